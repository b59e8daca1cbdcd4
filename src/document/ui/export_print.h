#pragma once
// File commands of a document window that work on a copy of its text:
// exports with UNIX or Macintosh line ends, printing and print preview.

namespace tagloom {

class DocumentWindow;

enum class LineEnds { Unix, Mac };

// Writes a copy of the document with LF (UNIX) or CR (Mac) after every line
// to a file chosen in the window's save dialog. The document itself, its
// name and its modified flag stay as they are.
void exportCopy(DocumentWindow &window, LineEnds ends);

void printDocument(DocumentWindow &window);
void previewPrint(DocumentWindow &window);

} // namespace tagloom

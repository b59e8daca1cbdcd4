#pragma once
// The multimedia, layer and image-map commands: Insert > Multimedia and its
// neighbours (sound, video, Shockwave, plug-in, QuickTime, RealVideo,
// ActiveX), Insert > Layer, Tools > Create Layer Visually and Image Map
// Creator, and the Common palette's buttons for them. Each dialog is made on
// first use; none does anything without a document window.

namespace tagloom {

class CommandRegistry;
class Documents;

void registerMediaAndLayerCommands(CommandRegistry &registry, Documents &documents);

} // namespace tagloom

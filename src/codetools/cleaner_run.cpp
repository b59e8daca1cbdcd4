#include "codetools/cleaner_run.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tagloom {

namespace {

const std::array<CleanerCommandInfo, 5> kCommands = {{
    {CleanerCommand::Format, "Coding.Format", "qytidyformat.tlx",
     "HTML Format Complete.\nWhen you click OK the document will be updated.\nafter three seconds."},
    {CleanerCommand::FixFormat, "Coding.FixFormat", "qytidyformatx.tlx",
     "HTML Fix and Format Complete.\nWhen you click OK the document will be updated\nafter three seconds."},
    {CleanerCommand::UpgradeCss, "Coding.UpgradeCss", "qytidyuptocss.tlx",
     "Tidy Complete.\nWhen you click OK the document will be updated.\nafter three seconds."},
    {CleanerCommand::UpgradeXml, "Coding.UpgradeXml", "qytidyxml.tlx",
     "Upgraded to XML\nWhen you click OK the document will be updated.\nafter three seconds."},
    {CleanerCommand::UpgradeXhtml, "Coding.UpgradeXhtml", "qytidyxhtml.tlx",
     "Upgraded to XHTML\nWhen you click OK the document will be updated.\nafter three seconds."},
}};

// The yes/no lines of the configuration: option name and the check-list item
// (1-based) that decides it, in the order they are written.
struct YesNoLine {
    const char *option;
    int item;
};
const YesNoLine kYesNoLines[] = {
    {"markup", 1},          {"wrap-asp", 2},           {"wrap-jste", 2},        {"wrap-php", 2},
    {"wrap-attributes", 3}, {"indent", 4},             {"fix-backslash", 6},    {"uppercase-tags", 11},
    {"uppercase-attributes", 12}, {"word-2000", 9},    {"clean", 10},           {"drop-font-tags", 13},
    {"drop-empty-paras", 8}, {"break-before-br", 5},   {"fix-bad-comments", 7}, {"hide-endtags", 14},
    {"input-xml", 15},      {"add-xml-pi", 16},        {"add-xml-decl", 17},
};

const char *const kEncodingValues[CleanerEncodingCount] = {"ascii", "raw", "latin1", "utf8", "iso2022"};

} // namespace

const std::array<CleanerCommandInfo, 5> &cleanerCommands()
{
    return kCommands;
}

const CleanerCommandInfo &cleanerCommandInfo(CleanerCommand command)
{
    return kCommands.at(static_cast<size_t>(command));
}

const QStringList &cleanerOptionLabels()
{
    static const QStringList labels = {
        QStringLiteral("Generate Pretty HTML"),       QStringLiteral("Wrap ASP, PHP and JSP Tags"),
        QStringLiteral("Wrap HTML Variables"),        QStringLiteral("Indent Tags"),
        QStringLiteral("Break Before <BR>"),          QStringLiteral("Fix Slashes"),
        QStringLiteral("Fix Bad Comments"),           QStringLiteral("Drop Empty Paragraphs"),
        QStringLiteral("Clean-Up Word 2000 HTML"),    QStringLiteral("Clean-Up Surplus Tags"),
        QStringLiteral("Output Uppercase Tags"),      QStringLiteral("Output Uppercase Variables"),
        QStringLiteral("Convert Document to CSS"),    QStringLiteral("Hide End Tags"),
        QStringLiteral("Input is XML"),               QStringLiteral("Add XML-pi"),
        QStringLiteral("Add XML Declaration"),
    };
    return labels;
}

const QStringList &cleanerEncodingLabels()
{
    static const QStringList labels = {QStringLiteral("ASCII"), QStringLiteral("Raw"), QStringLiteral("Latin-I"),
                                       QStringLiteral("UTF-8"), QStringLiteral("ISO2202")};
    return labels;
}

FixFormatChoices defaultFixFormatChoices()
{
    FixFormatChoices choices;
    for (int item : {1, 2, 4, 5, 7, 8, 11, 13})
        choices.options[static_cast<size_t>(item - 1)] = true;
    choices.encoding = 0;
    choices.wrap = QStringLiteral("72");
    choices.indent = QStringLiteral("5");
    choices.altText = QStringLiteral("Image");
    choices.doctype = QStringLiteral("AUTO");
    choices.outputAs = QStringLiteral("HTML");
    return choices;
}

QByteArray fixFormatConfiguration(const FixFormatChoices &choices, const CleanerTagLists &tags)
{
    QStringList lines = {QStringLiteral("write-back: yes"), QStringLiteral("tidy-mark: no")};
    // Only the exact upper-case texts choose an output kind.
    if (choices.outputAs == QLatin1String("XHTML"))
        lines.append(QStringLiteral("output-xhtml: yes"));
    if (choices.outputAs == QLatin1String("XML"))
        lines.append(QStringLiteral("output-xml: yes"));
    lines.append(QStringLiteral("indent-spaces: ") + choices.indent);
    lines.append(QStringLiteral("doctype: ") + choices.doctype);
    for (const YesNoLine &line : kYesNoLines) {
        const bool on = choices.options[static_cast<size_t>(line.item - 1)];
        lines.append(QLatin1String(line.option) + QLatin1String(on ? ": yes" : ": no"));
    }
    if (choices.encoding >= 0 && choices.encoding < CleanerEncodingCount)
        lines.append(QStringLiteral("char-encoding: ") + QLatin1String(kEncodingValues[choices.encoding]));
    lines.append(QStringLiteral("wrap: ") + choices.wrap);
    lines.append(QStringLiteral("quiet: yes"));
    lines.append(QStringLiteral("alt-text: ") + choices.altText);
    const std::pair<const char *, const QString *> tagLines[] = {
        {"new-inline-tags: ", &tags.inlineTags},
        {"new-empty-tags: ", &tags.emptyTags},
        {"new-blocklevel-tags: ", &tags.blockLevelTags},
        {"new-pre-tags: ", &tags.preformattedTags},
    };
    for (const auto &[option, value] : tagLines)
        if (!value->isEmpty())
            lines.append(QLatin1String(option) + *value);
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLocal8Bit() + "\r\n";
    return bytes;
}

QString cleanerProgram(const QString &dataFolder, const std::function<QString(const QString &)> &findOnPath)
{
    const QString shipped = dataFolder + QStringLiteral("/Extensions/tidy");
    if (QFileInfo(shipped).isFile())
        return shipped;
    return findOnPath ? findOnPath(QStringLiteral("tidy")) : QString();
}

QStringList cleanerArguments(const QString &configName, const QString &workFile)
{
    return {QStringLiteral("-config"), configName, workFile};
}

QString cleanerWorkFile(const QString &dataFolder, quint64 runNumber)
{
    return dataFolder + QStringLiteral("/tidy-%1-%2.tmp").arg(QCoreApplication::applicationPid()).arg(runNumber);
}

} // namespace tagloom

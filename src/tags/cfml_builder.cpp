#include "tags/cfml_builder.h"

#include "base/list_file.h"

namespace tagloom {

const std::array<CfmlCategory, 21> &cfmlCategories()
{
    static const std::array<CfmlCategory, 21> categories = {{
        {"Functions", "Arrays", "/Extensions/Cfml/Functions/arrays.cfx"},
        {"Functions", "Date and Time", "/Extensions/Cfml/Functions/date and time.cfx"},
        {"Functions", "Decision", "/Extensions/Cfml/Functions/decision.cfx"},
        {"Functions", "Display and Formatting", "/Extensions/Cfml/Functions/display and formatting.cfx"},
        {"Functions", "Dynamic Evaluation", "/Extensions/Cfml/Functions/dynamic evaluation.cfx"},
        {"Functions", "International", "/Extensions/Cfml/Functions/international.cfx"},
        {"Functions", "List", "/Extensions/Cfml/Functions/list.cfx"},
        {"Functions", "Mathematical", "/Extensions/Cfml/Functions/mathematical.cfx"},
        {"Functions", "Other", "/Extensions/Cfml/Functions/other.cfx"},
        {"Functions", "Query", "/Extensions/Cfml/Functions/query.cfx"},
        {"Functions", "String", "/Extensions/Cfml/Functions/string.cfx"},
        {"Functions", "Structures", "/Extensions/Cfml/Functions/structure.cfx"},
        {"Functions", "System Level", "/Extensions/Cfml/Functions/system level.cfx"},
        {"Constants", "Boolean", "/Extensions/Cfml/Constants/boolean.cfx"},
        {"Constants", "Regular Expressions", "/Extensions/Cfml/Constants/regular expressions.cfx"},
        {"Constants", "Date Formatting Masks", "/Extensions/Cfml/Constants/date formatting masks.cfx"},
        {"Constants", "Time Formatting Masks", "/Extensions/Cfml/Constants/time formatting masks.cfx"},
        {"Constants", "Number Formatting Masks", "/Extensions/Cfml/Constants/number formatting masks.cfx"},
        {"Operators", "Arithmetic Operators", "/Extensions/Cfml/Operators/arithmetic operators.cfx"},
        {"Operators", "Comparison Operators", "/Extensions/Cfml/Operators/comparison operators.cfx"},
        {"Operators", "Logical Operators", "/Extensions/Cfml/Operators/logical operators.cfx"},
    }};
    return categories;
}

QStringList cfmlRoots()
{
    QStringList roots;
    for (const CfmlCategory &c : cfmlCategories())
        if (!roots.contains(QLatin1String(c.root)))
            roots.append(QLatin1String(c.root));
    return roots;
}

std::optional<QString> cfmlCategoryFile(const QString &dataFolder, const QString &leaf)
{
    for (const CfmlCategory &c : cfmlCategories())
        if (leaf == QLatin1String(c.leaf))
            return dataFolder + QLatin1String(c.file);
    return std::nullopt;
}

Result<QStringList> loadCfmlCategory(const QString &path)
{
    return readListFile(path);
}

const std::array<CfmlOperator, 17> &cfmlOperators()
{
    static const std::array<CfmlOperator, 17> operators = {{
        {"+", "+"},       {"-", "-"},       {"/", "/"},         {"*", "*"},   {"&", "&"},
        {"=", "="},       {">", ">"},       {"<", "<"},         {"<>", "<>"}, {"not", "not"},
        {"or", "or"},     {"and", "and"},   {"xor", "xor"},     {"#..#", "#..#"},
        {"'..'", "\"..\""}, {"(..)", "(..)"}, {"[..]", "[..]"},
    }};
    return operators;
}

Insertion cfmlExpressionInsertion(const QString &expression)
{
    QStringList lines = splitTextLines(expression);
    if (lines.isEmpty())
        lines.append(QString());
    return lineInsertion(lines.join(QStringLiteral("\r\n")));
}

} // namespace tagloom

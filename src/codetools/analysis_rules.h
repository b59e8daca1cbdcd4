#pragma once
// The fixed rules of the document analysis: for 84 elements the attributes
// each may carry, and the ten superseded elements. Names are upper-case and
// compared exactly with the tokenizer's upper-cased names.

#include <QStringView>

namespace tagloom {

struct ElementRule;

// The rule of `element`, or null: tags without one are never checked.
const ElementRule *findElementRule(QStringView element);
// Whether `rule` permits `attribute`.
bool attributePermitted(const ElementRule &rule, QStringView attribute);
bool isSupersededElement(QStringView element);

} // namespace tagloom

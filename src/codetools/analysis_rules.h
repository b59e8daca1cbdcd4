#pragma once
// The fixed rules of the document analysis: for 84 elements the attributes
// each may carry, and the ten superseded elements. Names are upper-case and
// compared exactly with the tokenizer's upper-cased names.

#include <QStringView>

namespace tagloom {

// Whether `element` has a rule at all; tags without one are never checked.
bool hasElementRule(QStringView element);
// Whether the rule of `element` permits `attribute` (false without a rule).
bool attributePermitted(QStringView element, QStringView attribute);
bool isSupersededElement(QStringView element);

} // namespace tagloom

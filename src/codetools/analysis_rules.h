#pragma once
// The fixed rules of the document analysis: for 84 elements the attributes
// each may carry, and the ten superseded elements. Names are upper-case and
// compared exactly with the tokenizer's upper-cased names.

#include <QByteArrayView>
#include <QStringView>

namespace tagloom {

struct ElementRule;

// The rule of `element`, or null: tags without one are never checked.
// Names are looked up as text or as a page's own bytes alike.
const ElementRule *findElementRule(QStringView element);
const ElementRule *findElementRule(QByteArrayView element);
// Whether `rule` permits `attribute`.
bool attributePermitted(const ElementRule &rule, QStringView attribute);
bool attributePermitted(const ElementRule &rule, QByteArrayView attribute);
bool isSupersededElement(QStringView element);
bool isSupersededElement(QByteArrayView element);

} // namespace tagloom

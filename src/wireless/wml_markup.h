#pragma once
// The WML palette's three tag dialogs: a card, a go task and an access
// element, each as lines of their own below the caret line. Field values go
// in as typed.

#include "document/insertion.h"

#include <QString>

namespace tagloom {

struct WmlCardFields {
    QString Name;
    QString Title;
};

// `<card id="Name" title="Title">` and "</card>" below it; both attributes
// are always written.
Insertion wmlCardMarkup(const WmlCardFields &fields);

struct WmlGoFields {
    QString Address;
    bool SendReferer = false;
    QString Method = QStringLiteral("GET");
    QString EncodingType = QStringLiteral("application/x-www-form-urlencoded");
    QString Name; // written as the id attribute
    QString Class;
};

// One line: href and sendreferer ("True"/"False") always, then method,
// enctype, id and class when not empty, then "> </go>".
Insertion wmlGoMarkup(const WmlGoFields &fields);

struct WmlAccessFields {
    QString Domain;
    QString Path; // a "/" is always put in front
};

// One line: `<access domain="Domain" path="/Path"/>`.
Insertion wmlAccessMarkup(const WmlAccessFields &fields);

} // namespace tagloom

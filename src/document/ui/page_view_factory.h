#pragma once
// The seam between the program and its page engine. The engine (a browser
// engine of its own, large to load) lives in a module loaded the first time
// a page is rendered, so that start-up never pays for it. The module makes
// views with these invokable methods and signals:
//   showFile(QString path)             render a local file
//   showText(QString html, QUrl base)  render a text; relative addresses
//                                      resolve against `base`; the scroll
//                                      position is kept
//   readText()                         emits textRead(QString) with the
//                                      page's text as shown
//   signal pageLoaded(bool ok), signal textRead(QString text)

#include <QtPlugin>

class QWidget;

namespace tagloom {

class PageViewFactory {
public:
    virtual ~PageViewFactory() = default;
    virtual QWidget *createPageView(QWidget *parent) = 0;
};

} // namespace tagloom

#define TagloomPageViewFactory_iid "org.quenby.tagloom.PageViewFactory/1.0"
Q_DECLARE_INTERFACE(tagloom::PageViewFactory, TagloomPageViewFactory_iid)

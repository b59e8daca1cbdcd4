#include <QtWebEngineWidgets/QWebEngineView>

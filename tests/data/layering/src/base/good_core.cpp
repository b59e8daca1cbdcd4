#include <QString>
#include <QFile>
#include <QNetworkReply>
#include <vector>
#include "base/result.h"

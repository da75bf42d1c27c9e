#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace zorbitan::testing {

// Stands in for the desktop's browser: records the addresses the game asks to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace zorbitan::testing

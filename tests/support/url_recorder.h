#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Records every web address the program asks the desktop to open, while it lives: it stands in
// for the browser as the handler of http and https URLs.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    QList<QUrl> urls;
    QStringList opened; // the same, as the encoded text that reached the desktop

public slots:
    void open(const QUrl& url);
};

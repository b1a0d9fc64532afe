#pragma once

#include <QWidget>

// The start-up window: never shown, it stays loaded and hidden for the whole run. Closing it,
// which happens only when every window is being unloaded, ends the application.
class frmStartup : public QWidget {
    Q_OBJECT

public:
    explicit frmStartup(QWidget* parent = nullptr);

signals:
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
};

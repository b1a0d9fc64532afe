#pragma once

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class frmExitScreen;
}

// The exit screen: the support appeal, the catalogue advertisement and the refer-a-friend form.
// A topmost window that shows without taking the focus. Leaving it ends the application, which
// the window registry carries out.
class frmExitScreen : public QWidget {
    Q_OBJECT

public:
    // The four support texts, one of which is drawn when the window is created.
    static const QStringList& ExitSupportTexts();

    // draw gives a random number in [0, 1); by default the generator seeded at creation.
    explicit frmExitScreen(QWidget* parent = nullptr, std::function<double()> draw = {});
    ~frmExitScreen() override;

    Ui::frmExitScreen* ui() const { return ui_.get(); }

signals:
    // cmdClose, the close button, Alt+F4 or the registry unloading the window.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Check1_Toggled(bool pressed);
    void cmdSubmit_Click();
    QString BoxText(QWidget* box) const;
    static void SetBoxText(QWidget* box, const QString& text);

    std::unique_ptr<Ui::frmExitScreen> ui_;
    // The five form boxes and the text each shows while it holds nothing.
    QHash<QWidget*, QString> placeholders_;
};

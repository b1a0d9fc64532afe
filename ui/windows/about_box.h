#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The About box: product name and version, what it is for, and two links. Created afresh for
// each showing.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // Creates the box, shows it modally over parent and destroys it when it is closed.
    static void ShowModal(QWidget* parent);

    Ui::frmAbout* ui() const { return ui_.get(); }

private:
    std::unique_ptr<Ui::frmAbout> ui_;
};

#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "editor/DeleteDialogLogic.h"

namespace vantrel {

class MainWindow;

// The delete dialog: a list of the entries and "Delete Selected". Modeless and without an owner;
// the entry chosen is deleted when the dialog closes, however it is closed. The dialog deletes
// itself on closing, so the next Delete Entry loads it anew.
class frmDelete : public QWidget {
    Q_OBJECT
public:
    explicit frmDelete(MainWindow& mainWindow);

    QComboBox* list() const { return cmbDelete; }
    QPushButton* deleteButton() const { return cmdDelete; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdDelete_Click();

    DeleteDialogLogic logic_;
    QComboBox* cmbDelete = nullptr;
    QPushButton* cmdDelete = nullptr;
};

}  // namespace vantrel

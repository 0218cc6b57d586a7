#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "editor/DeleteDialogLogic.h"

namespace vantrel {

class MappingEditor;

// The delete dialog, built from ui::DeleteDialogDescription(): a list of the entries and "Delete
// Selected". Modeless, without an owner and without a taskbar entry; the entry chosen is deleted
// from the editor's document when the dialog closes, however it is closed. The dialog deletes
// itself on closing, so the next Delete Entry loads it anew.
class frmDelete : public QWidget {
    Q_OBJECT
public:
    explicit frmDelete(MappingEditor& editor);

    QComboBox* list() const { return cmbDelete; }
    QPushButton* deleteButton() const { return cmdDelete; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdDelete_Click();

    DeleteDialogLogic logic_;
    QComboBox* cmbDelete = nullptr;
    QPushButton* cmdDelete = nullptr;
};

}  // namespace vantrel

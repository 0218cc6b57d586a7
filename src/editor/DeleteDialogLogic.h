#pragma once

#include <string>
#include <vector>

#include "editor/MappingEditor.h"

// What the delete dialog does with the editor: it lists the entry names when it loads, records
// the chosen position when "Delete Selected" is pressed, and carries the deletion out when it
// unloads, however it is closed.
namespace vantrel {

class DeleteDialogLogic {
public:
    explicit DeleteDialogLogic(MappingEditor& editor) : editor_(editor) {}

    // The dialog's load step: the list lines, in name-list order; no line is chosen.
    std::vector<std::string> Load();

    // "Delete Selected" with the list position selected (from 0; -1 when nothing is selected).
    // The dialog unloads right after.
    void DeleteSelected(int selectedIndex);

    // The dialog's unload step: deletes the chosen entry, if one was chosen.
    void Unload();

private:
    MappingEditor& editor_;
};

}  // namespace vantrel

#include "editor/DeleteDialogLogic.h"

namespace vantrel {

std::vector<std::string> DeleteDialogLogic::Load() {
    std::vector<std::string> list;
    const std::size_t count = editor_.colNames().size();
    for (std::size_t i = 0; i < count; ++i) list.push_back(editor_.colNames()[i]);
    editor_.lngRemoveNumber() = 0;
    return list;
}

void DeleteDialogLogic::DeleteSelected(int selectedIndex) { editor_.lngRemoveNumber() = selectedIndex + 1; }

void DeleteDialogLogic::Unload() {
    if (editor_.lngRemoveNumber() != 0) editor_.RemoveEntry();
}

}  // namespace vantrel

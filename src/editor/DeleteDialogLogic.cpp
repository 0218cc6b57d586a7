#include "editor/DeleteDialogLogic.h"

namespace vantrel {

std::vector<std::string> DeleteDialogLogic::Load() {
    std::vector<std::string> list;
    const std::size_t count = main_.colNames().size();
    for (std::size_t i = 0; i < count; ++i) list.push_back(main_.colNames()[i]);
    main_.lngRemoveNumber() = 0;
    return list;
}

void DeleteDialogLogic::DeleteSelected(int selectedIndex) { main_.lngRemoveNumber() = selectedIndex + 1; }

void DeleteDialogLogic::Unload() {
    if (main_.lngRemoveNumber() != 0) main_.RemoveEntry();
}

}  // namespace vantrel

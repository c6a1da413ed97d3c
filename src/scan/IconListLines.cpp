#include "scan/IconListLines.h"

namespace glyphlog {

bool WriteIconList(Table<IconUsage>& icons, const std::function<bool(std::string_view record)>& add) {
  for (std::int32_t row = 1; row <= icons.RowCount(); ++row) {
    icons.FetchAt(row);
    if (!add(icons.record.ICON.View())) return false;
  }
  return true;
}

}  // namespace glyphlog

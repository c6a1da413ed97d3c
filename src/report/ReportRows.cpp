#include "report/ReportRows.h"

namespace glyphlog {

const Resolution& ResolutionOf(const IconResolutions& resolutions, std::string_view icon) {
  static const Resolution notFound;
  const auto it = resolutions.find(WithoutTrailingBlanks(icon));
  return it == resolutions.end() ? notFound : it->second;
}

std::vector<ReportRow> ReportRowsOf(Table<IconUsage>& icons, const IconResolutions& resolutions,
                                    bool missingOnly) {
  std::vector<ReportRow> rows;
  const std::int32_t count = icons.RowCount();
  for (std::int32_t i = 1; i <= count; ++i) {
    icons.FetchAt(i);
    const Resolution& how = ResolutionOf(resolutions, icons.record.ICON.View());
    if (missingOnly && how.kind != Resolution::Kind::NotFound) continue;
    rows.push_back({icons.record.ICON.Str(), how, icons.record.APPS.Str()});
  }
  return rows;
}

std::string_view StatusName(Resolution::Kind kind) {
  switch (kind) {
    case Resolution::Kind::AsWritten:
      return "as-written";
    case Resolution::Kind::ThroughRule:
      return "by-rule";
    case Resolution::Kind::NotFound:
      break;
  }
  return "not-found";
}

}  // namespace glyphlog

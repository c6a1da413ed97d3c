#include "report/ReportFormats.h"

#include <cstdio>

#include "scan/IconListLines.h"
#include "shell/LineEncoder.h"

namespace glyphlog {
namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string TextReport(Table<IconUsage>& icons, const IconResolutions& resolutions, bool missingOnly) {
  std::string out;
  WriteIconList(icons, [&](std::string_view record) {
    if (!missingOnly || ResolutionOf(resolutions, record).kind == Resolution::Kind::NotFound) {
      AppendLine(out, record);
    }
    return true;
  });
  return out;
}

std::string CsvField(std::string_view text) {
  const bool quoted = text.find_first_of(",\";\r\n") != std::string_view::npos ||
                      (!text.empty() && (IsBlankOrTab(text.front()) || IsBlankOrTab(text.back())));
  if (!quoted) return std::string(text);
  std::string field = "\"";
  for (const char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  return field + "\"";
}

std::string CsvReport(const std::vector<ReportRow>& rows) {
  std::string out;
  out.append("icon,status,rule,folder,used_by\r\n");
  for (const ReportRow& row : rows) {
    for (const std::string_view field : {std::string_view(row.icon), StatusName(row.how.kind),
                                         std::string_view(row.how.mask), std::string_view(row.how.folder)}) {
      out.append(CsvField(field));
      out += ',';
    }
    out.append(CsvField(row.usedBy));
    out.append("\r\n");
  }
  return out;
}

std::string JsonString(std::string_view text) {
  std::string literal = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        literal += "\\\"";
        break;
      case '\\':
        literal += "\\\\";
        break;
      case '\n':
        literal += "\\n";
        break;
      case '\r':
        literal += "\\r";
        break;
      case '\t':
        literal += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          literal += escaped;
        } else {
          literal += c;
        }
    }
  }
  return literal + "\"";
}

std::string JsonReport(const std::vector<ReportRow>& rows,
                       const std::function<std::string(std::string_view)>& toUtf8) {
  std::string out;
  if (rows.empty()) {
    out.append("[]\r\n");
    return out;
  }
  const auto text = [&](std::string_view value) { return JsonString(toUtf8(value)); };
  out.append("[\r\n");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ReportRow& row = rows[i];
    const bool byRule = row.how.kind == Resolution::Kind::ThroughRule;
    out.append("  {\"icon\": " + text(row.icon) + ", \"status\": " + text(StatusName(row.how.kind)) +
               ", \"rule\": " + (byRule ? text(row.how.mask) : "null") + ", \"folder\": " +
               (byRule ? text(row.how.folder) : "null") + ", \"used_by\": " + text(row.usedBy) + "}");
    out.append(i + 1 < rows.size() ? ",\r\n" : "\r\n");
  }
  out.append("]\r\n");
  return out;
}

}  // namespace glyphlog

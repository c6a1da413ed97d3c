#include "ui/DialogTemplate.h"

#include <string>

namespace glyphlog {
namespace {

class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Short(short value) { Word(static_cast<WORD>(value)); }
  // Texts in a template are UTF-16 whatever the caller's code page.
  void Text(std::string_view text) {
    if (!text.empty()) {
      const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
      std::wstring wide(static_cast<std::size_t>(n), L'\0');
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
      for (wchar_t c : wide) Word(static_cast<WORD>(c));
    }
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<WORD> Take() { return std::move(words_); }

 private:
  std::vector<WORD> words_;
};

}  // namespace

std::vector<WORD> BuildDialogTemplate(const DialogDescription& dialog) {
  TemplateWriter out;
  out.Word(1);       // version
  out.Word(0xFFFF);  // extended template
  out.Dword(0);      // help id
  out.Dword(0);      // extended style
  out.Dword(dialog.style | DS_SETFONT);
  out.Word(static_cast<WORD>(dialog.controls.size()));
  out.Short(0);
  out.Short(0);
  out.Short(dialog.width);
  out.Short(dialog.height);
  out.Word(0);  // no menu
  out.Word(0);  // the standard dialog class
  out.Text(dialog.caption);
  out.Word(dialog.pointSize);
  out.Word(FW_NORMAL);
  out.Word(0);  // not italic, default character set
  out.Text(dialog.font);

  for (const ControlDescription& control : dialog.controls) {
    out.AlignToDword();
    out.Dword(0);  // help id
    out.Dword(0);  // extended style
    out.Dword(control.style | WS_CHILD | WS_VISIBLE);
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.width);
    out.Short(control.height);
    out.Dword(control.id);
    out.Word(0xFFFF);
    out.Word(static_cast<WORD>(control.kind));
    out.Text(control.text);
    out.Word(0);  // no creation data
  }
  return out.Take();
}

}  // namespace glyphlog

#include "ui/IconPictures.h"

#include <string>

#include "shell/FileSystem.h"

namespace glyphlog {

UniqueImageList LoadIconPictures(Table<IconUsage>& ICONQ, int pixels) {
  UniqueImageList pictures(::ImageList_Create(pixels, pixels, ILC_COLOR32 | ILC_MASK, 16, 16));
  if (!pictures) return pictures;
  for (int i = 1; i <= kMaxPictures; ++i) {
    ICONQ.FetchAt(i);
    if (ErrorCode() != kNoError) break;
    const std::string file = ICONQ.record.ICON.Str();
    // A device is never opened: reading one may wait for ever or disturb it.
    const UniqueIcon icon(FullPath(file)
                              ? static_cast<HICON>(::LoadImageA(nullptr, file.c_str(), IMAGE_ICON, pixels,
                                                                pixels, LR_LOADFROMFILE))
                              : nullptr);
    ::ImageList_AddIcon(pictures.get(), icon ? icon.get() : ::LoadIconA(nullptr, IDI_QUESTION));
    ICONQ.record.ICON_ICON = static_cast<std::int16_t>(i);
    ICONQ.StoreBack();
  }
  return pictures;
}

}  // namespace glyphlog

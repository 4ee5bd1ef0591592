// An image list, owned: destroyed with the object unless detached. A list
// view destroys the lists it was given unless it has LVS_SHAREIMAGELISTS:
// detach what a control takes over.
#ifndef TAMBLE_UI_IMAGE_LIST_H
#define TAMBLE_UI_IMAGE_LIST_H

#include <windows.h>

#include <commctrl.h>

namespace tb::ui {

class ImageList {
public:
  ImageList() = default;
  explicit ImageList(HIMAGELIST list) : list_(list) {}
  ~ImageList() { Destroy(); }
  ImageList(const ImageList &) = delete;
  ImageList &operator=(const ImageList &) = delete;

  HIMAGELIST Get() const { return list_; }
  operator HIMAGELIST() const { return list_; }
  void Attach(HIMAGELIST list) {
    Destroy();
    list_ = list;
  }
  HIMAGELIST Detach() {
    HIMAGELIST list = list_;
    list_ = nullptr;
    return list;
  }

  bool Create(int width, int height, UINT flags, int initial, int grow) {
    Attach(ImageList_Create(width, height, flags, initial, grow));
    return list_ != nullptr;
  }
  // A strip of pictures from a bitmap resource, mask from the colour.
  bool Load(HINSTANCE instance, UINT bitmapId, int width, int grow, COLORREF mask) {
    Attach(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), width, grow, mask,
                                IMAGE_BITMAP, LR_CREATEDIBSECTION));
    return list_ != nullptr;
  }
  bool Destroy() {
    const bool destroyed = !list_ || ImageList_Destroy(list_);
    list_ = nullptr;
    return destroyed;
  }

  // The index of the first picture added, or -1.
  int Add(HBITMAP bitmap, HBITMAP mask = nullptr) { return ImageList_Add(list_, bitmap, mask); }
  int AddMasked(HBITMAP bitmap, COLORREF mask) { return ImageList_AddMasked(list_, bitmap, mask); }
  int AddIcon(HICON icon) { return ImageList_ReplaceIcon(list_, -1, icon); }
  bool Remove(int index) { return ImageList_Remove(list_, index) != FALSE; }
  int GetImageCount() const { return ImageList_GetImageCount(list_); }
  bool Draw(int index, HDC dc, int x, int y, UINT style = ILD_NORMAL) const {
    return ImageList_Draw(list_, index, dc, x, y, style) != FALSE;
  }
  HICON GetIcon(int index, UINT flags = ILD_NORMAL) const {
    return ImageList_GetIcon(list_, index, flags);
  }

private:
  HIMAGELIST list_ = nullptr;
};

} // namespace tb::ui

#endif

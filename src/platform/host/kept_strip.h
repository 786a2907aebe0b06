// A child strip whose geometry the host keeps: the design's twips rectangle, read back
// exactly as set, and its docking (a docked strip spans its owner's width at the top or
// bottom edge and keeps only the height it is given). A host derives from it and says
// where its owner's client area ends and how its window follows the geometry.
#pragma once

#include <string>

#include "platform/host/child_strip.h"

namespace wayband::host {

class KeptStrip : public ChildStrip {
 public:
  explicit KeptStrip(const StripDesign& design) : design_(design) {}

  // Docks to the owner's current client size (when docked) and places the window.
  void Redock();

  const std::string& Name() const override { return design_.name; }
  double Left() const override { return design_.left; }
  double Top() const override { return design_.top; }
  double Width() const override { return design_.width; }
  double Height() const override { return design_.height; }
  bool Move(double left, double top, double width, double height) override;
  bool SetTop(double top) override { return Move(Left(), top, Width(), Height()); }
  bool SetWidth(double width) override { return Move(Left(), Top(), width, Height()); }
  bool SetHeight(double height) override { return Move(Left(), Top(), Width(), height); }
  ScaleMode GetScaleMode() const override { return design_.scaleMode; }
  StripAlign Align() const override { return design_.align; }
  void SetAlign(StripAlign align) override;
  bool Visible() const override { return design_.visible; }
  void SetVisible(bool visible) override;

 protected:
  const StripDesign& Design() const { return design_; }
  // The owner's client area, twips.
  virtual double OwnerWidth() const = 0;
  virtual double OwnerHeight() const = 0;
  // Puts the window at the nearest pixels of the geometry.
  virtual void PlaceWindow() = 0;
  virtual void ShowWindow(bool visible) = 0;

 private:
  StripDesign design_;
};

}  // namespace wayband::host

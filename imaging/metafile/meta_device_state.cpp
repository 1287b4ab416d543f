// The device's mapping, saved states, clipping and work budget.

#include <algorithm>
#include <cmath>

#include "imaging/metafile/meta_device.h"

namespace lumigram::meta {

TMetaDevice::TMetaDevice(TBitmap* target, const TDeviceSetup& setup)
    : target_(target), setup_(setup) {
  state_.MapMode = setup.MapMode;
  state_.WindowOrg = setup.WindowOrg;
  state_.WindowExt = setup.WindowExt;
  state_.ViewportOrg = setup.ViewportOrg;
  state_.ViewportExt = setup.ViewportExt;
}

const TXform& TMetaDevice::ToDevice() {
  if (xform_valid_) return to_device_;
  double sx = 1, sy = 1;
  const double u = setup_.UnitsPerMm;
  switch (state_.MapMode) {
    case kMmLoMetric:
      sx = u * 0.1;
      break;
    case kMmHiMetric:
      sx = u * 0.01;
      break;
    case kMmLoEnglish:
      sx = u * 0.254;
      break;
    case kMmHiEnglish:
      sx = u * 0.0254;
      break;
    case kMmTwips:
      sx = u * 25.4 / 1440;
      break;
    case kMmIsotropic:
    case kMmAnisotropic:
      sx = state_.ViewportExt.X / state_.WindowExt.X;
      sy = state_.ViewportExt.Y / state_.WindowExt.Y;
      if (state_.MapMode == kMmIsotropic) {
        const double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      break;
    default:
      break;
  }
  if (state_.MapMode >= kMmLoMetric && state_.MapMode <= kMmTwips) sy = -sx;  // y grows upwards
  TXform page{sx, 0, 0, sy, 0, 0};
  page.Dx = state_.ViewportOrg.X - state_.WindowOrg.X * sx;
  page.Dy = state_.ViewportOrg.Y - state_.WindowOrg.Y * sy;
  to_device_ = Compose(Compose(state_.World, page), setup_.Base);
  if (!to_device_.Finite()) to_device_ = TXform{0, 0, 0, 0, 0, 0};  // draws nothing visible
  xform_valid_ = true;
  return to_device_;
}

void TMetaDevice::SetMapMode(int mode) {
  if (mode < kMmText || mode > kMmAnisotropic) return;
  state_.MapMode = mode;
  xform_valid_ = false;
}

void TMetaDevice::SetWindowOrg(TPointF p) {
  state_.WindowOrg = p;
  xform_valid_ = false;
}

void TMetaDevice::SetWindowExt(TPointF e) {
  if (e.X == 0 || e.Y == 0) return;
  state_.WindowExt = e;
  xform_valid_ = false;
}

void TMetaDevice::SetViewportOrg(TPointF p) {
  state_.ViewportOrg = p;
  xform_valid_ = false;
}

void TMetaDevice::SetViewportExt(TPointF e) {
  if (e.X == 0 || e.Y == 0) return;
  state_.ViewportExt = e;
  xform_valid_ = false;
}

void TMetaDevice::ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetWindowExt({state_.WindowExt.X * xNum / xDenom, state_.WindowExt.Y * yNum / yDenom});
}

void TMetaDevice::ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetViewportExt({state_.ViewportExt.X * xNum / xDenom, state_.ViewportExt.Y * yNum / yDenom});
}

void TMetaDevice::OffsetWindowOrg(TPointF d) {
  SetWindowOrg({state_.WindowOrg.X + d.X, state_.WindowOrg.Y + d.Y});
}

void TMetaDevice::OffsetViewportOrg(TPointF d) {
  SetViewportOrg({state_.ViewportOrg.X + d.X, state_.ViewportOrg.Y + d.Y});
}

bool TMetaDevice::SetWorldTransform(const TXform& xform) {
  if (!xform.Finite() || xform.Determinant() == 0 || !std::isfinite(xform.Determinant()))
    return false;
  state_.World = xform;
  xform_valid_ = false;
  return true;
}

bool TMetaDevice::ModifyWorldTransform(const TXform& xform, int mode) {
  switch (mode) {
    case 1:
      return SetWorldTransform(TXform{});
    case 2:
      return SetWorldTransform(Compose(xform, state_.World));
    case 3:
      return SetWorldTransform(Compose(state_.World, xform));
    case 4:
      return SetWorldTransform(xform);
    default:
      return false;
  }
}

void TMetaDevice::SaveDc() {
  if (saved_.size() < size_t(kMaxSavedStates)) saved_.push_back(state_);
}

void TMetaDevice::RestoreDc(int which) {
  const int64_t count = int64_t(saved_.size());
  const int64_t index = which < 0 ? count + which : int64_t(which) - 1;
  if (which == 0 || index < 0 || index >= count) return;
  state_ = saved_[size_t(index)];
  saved_.resize(size_t(index));
  xform_valid_ = false;
}

TRect TMetaDevice::ClipRect() const {
  if (!target_) return {};
  const TRect bounds = BoundsOf(*target_);
  return state_.Clip ? Intersect(*state_.Clip, bounds) : bounds;
}

void TMetaDevice::IntersectClip(const TBox& logical) {
  const TXform& xf = ToDevice();
  const TPointF corners[] = {
      xf.Apply({logical.Left, logical.Top}), xf.Apply({logical.Right, logical.Top}),
      xf.Apply({logical.Left, logical.Bottom}), xf.Apply({logical.Right, logical.Bottom})};
  TBox box{kFar, kFar, -kFar, -kFar};
  for (const TPointF& c : corners) {
    box = {std::min(box.Left, c.X), std::min(box.Top, c.Y), std::max(box.Right, c.X),
           std::max(box.Bottom, c.Y)};
  }
  const TRect r = PixelRect(box);
  state_.Clip = state_.Clip ? Intersect(*state_.Clip, r) : r;
}

void TMetaDevice::ResetClip() {
  state_.Clip.reset();
}

void TMetaDevice::ClipToDeviceBox(const TBox& device, int mode) {
  const TRect r = PixelRect(NormalisedBox(setup_.Base.Apply({device.Left, device.Top}),
                                          setup_.Base.Apply({device.Right, device.Bottom})));
  if (mode == 5)
    state_.Clip = r;
  else if (mode == 1)
    state_.Clip = state_.Clip ? Intersect(*state_.Clip, r) : r;
}

bool TMetaDevice::Charge(int64_t work) {
  spent_ += std::max<int64_t>(work, 0);
  return !OutOfWork();
}

bool TMetaDevice::Measured(TBox& bounds) const {
  bounds = measured_;
  return measured_any_;
}

void TMetaDevice::Include(TPointF p, double margin) {
  const TBox box{p.X - margin, p.Y - margin, p.X + margin, p.Y + margin};
  if (!measured_any_) {
    measured_ = box;
    measured_any_ = true;
    return;
  }
  measured_ = {std::min(measured_.Left, box.Left), std::min(measured_.Top, box.Top),
               std::max(measured_.Right, box.Right), std::max(measured_.Bottom, box.Bottom)};
}

}  // namespace lumigram::meta

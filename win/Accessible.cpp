#include "win/Accessible.h"

#include <oleacc.h>

#include "win/Controls.h"
#include "win/System.h"

namespace win {
namespace {

// Newer than the Windows 7 headers the program is built against, or kept by the platform's
// import library only among hundreds of others.
constexpr DWORD kEventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr GUID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kName = {  // PROPID_ACC_NAME
    0x608d3df8,
    0x8128,
    0x4aa7,
    {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRole = {  // PROPID_ACC_ROLE
    0xcb905ff2,
    0x7bd1,
    0x4c05,
    {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};
constexpr GUID kLiveSetting = {  // UI Automation's LiveSetting property, whose value 1 is Polite
    0xc12bcd8e,
    0x2a8e,
    0x4950,
    {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

// A VARIANT, and the string it may hold, cleared once.
class Variant {
 public:
  Variant() { ::VariantInit(&value_); }
  ~Variant() { ::VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT& get() { return value_; }

 private:
  VARIANT value_;
};

}  // namespace

Annotations::Annotations() = default;
Annotations::~Annotations() = default;

IAccPropServices* Annotations::Services() {
  if (!sought_) {
    sought_ = true;
    // On the window thread, where COM is entered once for the run.
    if (!EnterCom() || FAILED(::CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                                 kAccPropServicesInterface, services_.put())))
      services_.reset();
  }
  return services_.get();
}

void Annotations::Set(HWND control, const GUID& property, const VARIANT& value) {
  IAccPropServices* services = Services();
  if (!services) return;
  const HRESULT result = value.vt == VT_BSTR
                             ? services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                        CHILDID_SELF, property, value.bstrVal)
                             : services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT),
                                                     CHILDID_SELF, property, value);
  if (SUCCEEDED(result)) set_.emplace_back(control, &property);
}

void Annotations::Name(HWND control, const char* name) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
  if (length <= 0) return;
  Variant text;
  text.get().vt = VT_BSTR;
  text.get().bstrVal = ::SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
  if (!text.get().bstrVal) return;
  ::MultiByteToWideChar(CP_ACP, 0, name, -1, text.get().bstrVal, length);
  Set(control, kName, text.get());
}

void Annotations::SetNumber(HWND control, const GUID& property, long number) {
  Variant value;
  value.get().vt = VT_I4;
  value.get().lVal = number;
  Set(control, property, value.get());
}

void Annotations::Role(HWND window, long role) { SetNumber(window, kRole, role); }

void Annotations::LiveRegion(HWND label) { SetNumber(label, kLiveSetting, 1); }  // polite

void Annotations::Clear() {
  if (services_)
    for (const auto& [control, property] : set_)
      services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                1);
  set_.clear();
}

void Announce(HWND label, const std::string& text) {
  const bool changed = GetText(label) != text;
  ::SetWindowTextA(label, text.c_str());
  if (changed) ::NotifyWinEvent(kEventLiveRegionChanged, label, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win

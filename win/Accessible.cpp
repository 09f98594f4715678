#include "win/Accessible.h"

#include <oleacc.h>

#include <new>

#include "win/Controls.h"
#include "win/System.h"

namespace win {
namespace {

// Newer than the Windows 7 headers the program is built against.
constexpr DWORD kEventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
// UI Automation's LiveSetting property, and its value Polite.
constexpr GUID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
// Identifiers of oleacc's that the platform's import library keeps only among hundreds of
// others; those of the other interfaces come with their declarations.
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccessibilityLibrary = {
    0x1ea4dbf0, 0x3c3b, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// oleacc is no known system library: it is loaded from the system folder only.
struct Oleacc {
  LPFNCREATESTDACCESSIBLEOBJECT createStandard =
      SystemProcedure<LPFNCREATESTDACCESSIBLEOBJECT>("oleacc.dll", "CreateStdAccessibleObject");
  LPFNLRESULTFROMOBJECT lresultFromObject =
      SystemProcedure<LPFNLRESULTFROMOBJECT>("oleacc.dll", "LresultFromObject");
};

const Oleacc& Library() {
  static const Oleacc library;
  return library;
}

// The caption as read aloud ("&Copy" is "Copy", "&&" one ampersand), as a string the caller
// frees; nullptr where it can't be made.
BSTR Spoken(const std::string& caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  BSTR spoken = ::SysAllocStringLen(nullptr, static_cast<UINT>(length > 0 ? length : 0));
  if (spoken && length > 0) ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, spoken, length);
  return spoken;
}

// The platform's object for a control's client area, under another name: every call but the
// name of the control itself goes to the platform's object, so roles, states, values,
// children and places stay the platform's own.
class NamedAccessible final : public IAccessible, public IOleWindow, public IEnumVARIANT {
 public:
  NamedAccessible(HWND control, IAccessible* standard, BSTR name)
      : control_(control), standard_(standard), name_(name) {
    if (FAILED(standard_->QueryInterface(__uuidof(IEnumVARIANT),
                                         reinterpret_cast<void**>(&children_))))
      children_ = nullptr;
  }
  ~NamedAccessible() {
    if (typeInfo_) typeInfo_->Release();
    if (children_) children_->Release();
    standard_->Release();
    ::SysFreeString(name_);
  }
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDispatch)) ||
        IsEqualIID(iid, __uuidof(IAccessible)))
      *object = static_cast<IAccessible*>(this);
    else if (IsEqualIID(iid, __uuidof(IOleWindow)))
      *object = static_cast<IOleWindow*>(this);
    else if (IsEqualIID(iid, __uuidof(IEnumVARIANT)) && children_)
      *object = static_cast<IEnumVARIANT*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch through IAccessible's own type information, so that a late-bound caller reaches
  // this object's methods and not the platform object's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = TypeInfo() ? 1 : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (!TypeInfo()) return E_NOTIMPL;
    typeInfo_->AddRef();
    *info = typeInfo_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    if (!TypeInfo()) return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    return ::DispGetIDsOfNames(typeInfo_, names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    if (!TypeInfo())
      return standard_->Invoke(id, iid, locale, flags, params, result, exception, argument);
    if (!IsEqualIID(iid, GUID{})) return DISP_E_UNKNOWNINTERFACE;
    return typeInfo_->Invoke(static_cast<IAccessible*>(this), id, flags, params, result, exception,
                             argument);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = ::SysAllocStringLen(name_, ::SysStringLen(name_));
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

  // IOleWindow: how the caller finds the control's window.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = control_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IEnumVARIANT: the platform's children, where its object has them.
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    return children_->Next(count, items, fetched);
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_->Skip(count); }
  HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children_->Clone(copy); }

 private:
  // The platform object's type information, else that of the registered type library.
  ITypeInfo* TypeInfo() {
    if (typeInfo_ || typeInfoSought_) return typeInfo_;
    typeInfoSought_ = true;
    if (FAILED(standard_->GetTypeInfo(0, LOCALE_USER_DEFAULT, &typeInfo_))) typeInfo_ = nullptr;
    ITypeLib* library = nullptr;
    if (!typeInfo_ &&
        SUCCEEDED(::LoadRegTypeLib(kAccessibilityLibrary, 1, 1, LOCALE_NEUTRAL, &library))) {
      if (FAILED(library->GetTypeInfoOfGuid(__uuidof(IAccessible), &typeInfo_)))
        typeInfo_ = nullptr;
      library->Release();
    }
    return typeInfo_;
  }

  LONG references_ = 1;
  HWND control_;
  IAccessible* standard_;
  IEnumVARIANT* children_ = nullptr;
  ITypeInfo* typeInfo_ = nullptr;
  bool typeInfoSought_ = false;
  BSTR name_;
};

// Dynamic annotation of a window's client object: one property set or cleared.
template <typename Change>
void Annotate(Change change) {
  if (!EnterCom()) return;
  IAccPropServices* services = nullptr;
  if (FAILED(::CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                kAccPropServicesInterface, reinterpret_cast<void**>(&services))))
    return;
  change(*services);
  services->Release();
}

}  // namespace

LRESULT AccessibleWithName(HWND control, WPARAM wp, LPARAM lp, const char* name) {
  // The object id is 32 bits; on 64-bit Windows it may come sign-extended or not.
  if (static_cast<DWORD>(lp) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  const Oleacc& oleacc = Library();
  // The object is handed over by COM, entered on this thread when first needed.
  if (!oleacc.createStandard || !oleacc.lresultFromObject || !EnterCom()) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(oleacc.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&standard))) ||
      !standard)
    return 0;
  BSTR spoken = nullptr;
  try {
    spoken = Spoken(name ? name : GetText(control));
  } catch (...) {  // no exception goes back into the window procedure
  }
  auto* named = spoken ? new (std::nothrow) NamedAccessible(control, standard, spoken) : nullptr;
  if (!named) {
    ::SysFreeString(spoken);
    standard->Release();
    return 0;
  }
  const LRESULT answer =
      oleacc.lresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(named));
  named->Release();  // the answer holds its own reference until the caller takes it
  return answer > 0 ? answer : 0;
}

void LiveRegion::SetText(const std::string& text) {
  const bool changed = GetText(label_) != text;
  ::SetWindowTextA(label_, text.c_str());
  if (!changed) return;
  if (!annotated_) {
    annotated_ = true;
    Annotate([this](IAccPropServices& services) {
      VARIANT polite;
      ::VariantInit(&polite);
      polite.vt = VT_I4;
      polite.lVal = kPolite;
      services.SetHwndProp(label_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting,
                           polite);
    });
  }
  ::NotifyWinEvent(kEventLiveRegionChanged, label_, OBJID_CLIENT, CHILDID_SELF);
}

void LiveRegion::Detach() {
  if (annotated_) {
    Annotate([this](IAccPropServices& services) {
      services.ClearHwndProps(label_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kLiveSetting,
                              1);
    });
  }
  annotated_ = false;
  label_ = nullptr;
}

}  // namespace win

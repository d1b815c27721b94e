// IWebBrowser2 hosted through IOleClientSite, IOleInPlaceSite and IOleInPlaceFrame.
#include "toolkit/ole_browser.h"

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>
#include <oleidl.h>

#include "toolkit/text.h"

namespace toolkit {

namespace {

// The container side the browser talks to. Reference-counted like any COM object; the
// browser below holds one reference for as long as the control is embedded.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HWND host) : host_(host) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = host_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (document) *document = nullptr;
        if (position) GetClientRect(host_, position);
        if (clip) GetClientRect(host_, clip);
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = GetAncestor(host_, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow, IOleInPlaceFrame: no tool space, menus or status bar to offer.
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    ~BrowserSite() = default;
    HWND host_;
    ULONG references_ = 1;
};

std::wstring WithScheme(const std::string& address) {
    // Addresses are stored without a scheme; the browser needs one to tell them from files.
    if (address.find("://") != std::string::npos || address.rfind("about:", 0) == 0)
        return Widen(address);
    return L"http://" + Widen(address);
}

class OleBrowser : public Browser {
public:
    explicit OleBrowser(HWND host) : host_(host) {
        site_ = new BrowserSite(host);
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&object_)))) {
            object_ = nullptr;
            return;
        }
        object_->SetClientSite(site_);
        OleSetContainedObject(object_, TRUE);
        RECT client;
        GetClientRect(host_, &client);
        object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, host_, &client);
        if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_))))
            browser_ = nullptr;
        // Silent: a page's script errors or prompts must never open dialogs in a hidden view.
        if (browser_) browser_->put_Silent(VARIANT_TRUE);
    }

    ~OleBrowser() override {
        if (browser_) {
            browser_->Stop();
            browser_->Release();
        }
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            object_->SetClientSite(nullptr);
            object_->Release();
        }
        site_->Release();
    }

    OleBrowser(const OleBrowser&) = delete;
    OleBrowser& operator=(const OleBrowser&) = delete;

    void Navigate(const std::string& address) override {
        if (!browser_ || address.empty()) return;
        BSTR url = SysAllocString(WithScheme(address).c_str());
        if (!url) return;
        VARIANT empty;
        VariantInit(&empty);
        browser_->Navigate(url, &empty, &empty, &empty, &empty);
        SysFreeString(url);
    }

    void Resize(int width, int height) override {
        if (!object_) return;
        IOleInPlaceObject* inPlace = nullptr;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
            const RECT area = {0, 0, width, height};
            inPlace->SetObjectRects(&area, &area);
            inPlace->Release();
        }
    }

private:
    HWND host_;
    BrowserSite* site_ = nullptr;
    IOleObject* object_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
};

}  // namespace

std::unique_ptr<Browser> OleBrowserFactory::Create(HWND host) {
    if (!host) return nullptr;
    return std::make_unique<OleBrowser>(host);
}

}  // namespace toolkit

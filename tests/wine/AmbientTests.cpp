// The ambient answer a browser control gets from its site.
#include "frontends/win32/browser/BrowserSite_win.h"

#include <gtest/gtest.h>

namespace wine_tests {
namespace {

TEST(AmbientProperties, DownloadControlForbidsScriptsJavaAndActiveXButLoadsPictures)
{
    viewer::BrowserSite* site = viewer::BrowserSite::Create(nullptr);
    ASSERT_NE(site, nullptr);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(static_cast<IOleClientSite*>(site)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    site->Release();
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(dispatch->Invoke(-5512, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(static_cast<uint32_t>(result.lVal), 0xC0000790u);

    VariantInit(&result);
    EXPECT_EQ(dispatch->Invoke(-701 /* user mode */, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                               nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(result.vt, VT_EMPTY);

    IUnknown* unknown = nullptr;
    ASSERT_EQ(dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(dispatch->Release(), 0u);
}

}  // namespace
}  // namespace wine_tests

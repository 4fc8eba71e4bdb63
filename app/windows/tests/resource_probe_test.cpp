// Reads the resources of its own executable, built with the program's resource script, the way
// Windows and its Explorer read them from the program.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

std::vector<char> OwnVersionInfo() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, info.data()))
        info.clear();
    return info;
}

std::wstring Widen(std::string_view text) {
    return {text.begin(), text.end()};
}

class VersionInfoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(info.empty()) << "no version resource"; }

    // A string of the first language the resource lists, as Explorer shows it.
    std::wstring Text(const wchar_t* name) {
        struct Translation {
            WORD language;
            WORD codePage;
        }* translations = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                            reinterpret_cast<void**>(&translations), &size) ||
            size < sizeof(Translation))
            return L"(no translation)";
        wchar_t key[64];
        swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translations->language,
                 translations->codePage, name);
        wchar_t* value = nullptr;
        if (!VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&value), &size))
            return L"(missing)";
        return value;
    }

    std::vector<char> info = OwnVersionInfo();
};

TEST_F(VersionInfoTest, CarriesTheProjectsVersionAsNumbers) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const auto version = [](DWORD ms, DWORD ls) {
        return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." +
               std::to_string(HIWORD(ls)) + "." + std::to_string(LOWORD(ls));
    };
    EXPECT_EQ(version(fixed->dwFileVersionMS, fixed->dwFileVersionLS), ORVELLE_PROJECT_VERSION);
    EXPECT_EQ(version(fixed->dwProductVersionMS, fixed->dwProductVersionLS),
              ORVELLE_PROJECT_VERSION);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "no debug or pre-release flag";
}

TEST_F(VersionInfoTest, NamesTheProductAndItsVersion) {
    EXPECT_EQ(Text(L"FileDescription"), L"Orvelle");
    EXPECT_EQ(Text(L"ProductName"), L"Orvelle");
    EXPECT_EQ(Text(L"FileVersion"), Widen(ORVELLE_PROJECT_VERSION));
    EXPECT_EQ(Text(L"ProductVersion"), Widen(ORVELLE_PROJECT_VERSION));
}

TEST(Resources, CarryTheIconTheShellShows) {
    // Resource 1 of type 14, RT_GROUP_ICON.
    const HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr) << "no icon group 1";
    // Every size the icon file holds, 16 to 256 pixels.
    for (const int size : {16, 24, 32, 48, 256}) {
        const HANDLE icon =
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO parts{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &parts)) << size;
        BITMAP bitmap{};
        GetObjectW(parts.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(Resources, CarryTheManifestWindowsReadsAtStart) {
    // Resource 1 of type 24: CREATEPROCESS_MANIFEST_RESOURCE_ID of RT_MANIFEST.
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string_view manifest(
        static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
        SizeofResource(nullptr, found));
    for (const char* part : {R"(level="requireAdministrator")",
                             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
                             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                             "WindowsSettings\">true/pm</dpiAware>",
                             "PerMonitorV2"})
        EXPECT_NE(manifest.find(part), std::string_view::npos) << part;
}

} // namespace

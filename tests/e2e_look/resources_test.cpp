// The resources of the built sorvane.exe, read back from the file itself: the application
// manifest, the version information and the icon, and the icon on both windows.
#include "session.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The executable loaded as data, so its resources can be read without running it.
class ExecutableData {
public:
    explicit ExecutableData(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ExecutableData() {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    ExecutableData(const ExecutableData&) = delete;
    ExecutableData& operator=(const ExecutableData&) = delete;

    // The bytes of one resource; empty when there is none.
    std::string resource(LPCWSTR type, LPCWSTR name) const {
        const HRSRC found = module_ ? FindResourceW(module_, name, type) : nullptr;
        const HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) {
            return std::string();
        }
        return std::string(static_cast<const char*>(bytes), SizeofResource(module_, found));
    }
    HMODULE module() const { return module_; }

private:
    HMODULE module_;
};

// The resource types, in their wide form.
const LPCWSTR manifestType = MAKEINTRESOURCEW(24);
const LPCWSTR iconGroupType = MAKEINTRESOURCEW(14);
const LPCWSTR iconType = MAKEINTRESOURCEW(3);

TEST(ExecutableResources, ManifestDeclaresStylesDpiCodePageSystemsAndLevel) {
    const ExecutableData exe(sorvaneExe());
    ASSERT_NE(exe.module(), nullptr);
    const std::string manifest = exe.resource(manifestType, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty()) << "no manifest resource 1";
    const char* const declarations[] = {
        R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
        R"(publicKeyToken="6595b64144ccf1df")",
        R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>)",
        R"(<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">system<)",
        R"(<activeCodePage xmlns="http://schemas.microsoft.com/SMI/2019/WindowsSettings">UTF-8<)",
        R"(<requestedExecutionLevel level="asInvoker")",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    for (const char* declaration : declarations) {
        EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
    }
    // One manifest only: a second one, added by a linker, would be resource 2 or another name.
    EXPECT_TRUE(exe.resource(manifestType, MAKEINTRESOURCEW(2)).empty());
}

TEST(ExecutableResources, VersionIs1640WithTheProgramsNames) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(sorvaneExe().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(sorvaneExe().c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(64, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(64, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    struct Expected {
        const wchar_t* name;
        const wchar_t* value; // nullptr: any text that is not empty
    };
    const Expected strings[] = {
        {L"ProductName", L"Sorvane"},  {L"OriginalFilename", L"sorvane.exe"},
        {L"FileVersion", L"1.64.0.0"}, {L"ProductVersion", L"1.64.0.0"},
        {L"InternalName", L"sorvane"}, {L"FileDescription", nullptr},
    };
    for (const Expected& expected : strings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + expected.name;
        wchar_t* value = nullptr;
        UINT chars = 0;
        ASSERT_TRUE(
            VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &chars))
            << path;
        const std::wstring text(value);
        if (expected.value) {
            EXPECT_EQ(text, expected.value) << path;
        } else {
            EXPECT_FALSE(text.empty()) << path;
        }
    }
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(ExecutableResources, IconHas16To256PixelImagesThatLoad) {
    const ExecutableData exe(sorvaneExe());
    ASSERT_NE(exe.module(), nullptr);
    const std::string group = exe.resource(iconGroupType, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6u) << "no icon group 1";
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(IconDirectoryEntry));
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        IconDirectoryEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof(entry), sizeof(entry));
        const int size = entry.width == 0 ? 256 : entry.width;
        sizes.push_back(size);
        SCOPED_TRACE(testing::Message() << size << " pixels");
        EXPECT_EQ(entry.bitCount, 32);
        std::string image = exe.resource(iconType, MAKEINTRESOURCEW(entry.id));
        ASSERT_EQ(image.size(), entry.bytes);
        const HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(&image[0]), entry.bytes,
                                                    TRUE, 0x00030000, 0, 0, 0);
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
}

// The pixels of the exe's icon image of that size, as 0xAARRGGBB from the top row down.
std::vector<unsigned long> iconPixels(const ExecutableData& exe, int size) {
    const std::string group = exe.resource(iconGroupType, MAKEINTRESOURCEW(1));
    const WORD count = group.size() >= 6 ? *reinterpret_cast<const WORD*>(group.data() + 4) : 0;
    for (WORD i = 0; i < count && group.size() >= 6 + (i + 1) * sizeof(IconDirectoryEntry); ++i) {
        IconDirectoryEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof(entry), sizeof(entry));
        if ((entry.width == 0 ? 256 : entry.width) != size) {
            continue;
        }
        std::string image = exe.resource(iconType, MAKEINTRESOURCEW(entry.id));
        const HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(&image[0]),
                                                    static_cast<DWORD>(image.size()), TRUE,
                                                    0x00030000, size, size, 0);
        ICONINFO info{};
        if (!icon || !GetIconInfo(icon, &info)) {
            return {};
        }
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(format.bmiHeader);
        format.bmiHeader.biWidth = size;
        format.bmiHeader.biHeight = -size; // top row first
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        std::vector<DWORD> bits(static_cast<size_t>(size) * static_cast<size_t>(size));
        const HDC dc = GetDC(nullptr);
        GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), bits.data(), &format,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
        return std::vector<unsigned long>(bits.begin(), bits.end());
    }
    return {};
}

// The title bar draws the small icon, the taskbar and task switching the large one: Wine hands
// both to the X server, where they are read back and compared with the exe's own images.
TEST(ExecutableResources, BothWindowsShowTheIconInBothSizes) {
    const ExecutableData exe(sorvaneExe());
    ASSERT_NE(exe.module(), nullptr);
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    setText(session.dialog(), query::findText, L"zqxwv");
    click(session.dialog(), query::begin);
    const HWND results = waitForWindow(session.processId(), dialogClass, L"Matching Files");
    ASSERT_NE(results, nullptr);
    const HWND windows[] = {session.dialog(), results};
    for (HWND window : windows) {
        SCOPED_TRACE(testing::Message() << windowText(window).c_str());
        const std::vector<XIcon> icons = xWindowIcons(window);
        for (int size : {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CXICON)}) {
            SCOPED_TRACE(testing::Message() << size << " pixels");
            const std::vector<unsigned long> expected = iconPixels(exe, size);
            ASSERT_FALSE(expected.empty());
            bool shown = false;
            for (const XIcon& icon : icons) {
                shown =
                    shown || (icon.width == size && icon.height == size && icon.argb == expected);
            }
            EXPECT_TRUE(shown) << icons.size() << " icon images on the X window";
        }
    }
    closeWindow(results);
    EXPECT_TRUE(waitForClose(results));
}

} // namespace
} // namespace e2e

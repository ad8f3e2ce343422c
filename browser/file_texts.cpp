#include "browser/file_texts.h"

#include <langinfo.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/ascii_text.h"

namespace zembo::browser {
namespace {

struct TypeName {
    const char* extension;  // lower case, without the "."
    const char* text;
};

// The kinds a video mixer's user meets most; everything else is "<EXT> file".
constexpr std::array kTypeNames{
    TypeName{"avi", "AVI video"},           TypeName{"mp4", "MP4 video"},
    TypeName{"m4v", "MP4 video"},           TypeName{"mov", "QuickTime video"},
    TypeName{"mkv", "Matroska video"},      TypeName{"webm", "WebM video"},
    TypeName{"wmv", "Windows Media video"}, TypeName{"asf", "Windows Media video"},
    TypeName{"mpg", "MPEG video"},          TypeName{"mpeg", "MPEG video"},
    TypeName{"flv", "Flash video"},         TypeName{"ogv", "Ogg video"},
    TypeName{"png", "PNG image"},           TypeName{"jpg", "JPEG image"},
    TypeName{"jpeg", "JPEG image"},         TypeName{"bmp", "BMP image"},
    TypeName{"gif", "GIF image"},           TypeName{"tga", "TGA image"},
    TypeName{"tif", "TIFF image"},          TypeName{"tiff", "TIFF image"},
    TypeName{"wav", "WAV audio"},           TypeName{"mp3", "MP3 audio"},
    TypeName{"ogg", "Ogg audio"},           TypeName{"flac", "FLAC audio"},
    TypeName{"zbk", "Zembo patch"},         TypeName{"ini", "Configuration settings"},
    TypeName{"txt", "Plain text document"},
};

const FileTypeNames*& TypeNames() {
    static const FileTypeNames* names = nullptr;
    return names;
}

std::string Formatted(const std::string& format, const std::tm& local) {
    std::array<char, 128> buf{};
    const std::size_t n = std::strftime(buf.data(), buf.size(), format.c_str(), &local);
    return std::string(buf.data(), n);
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

std::string FileSizeText(std::uint64_t bytes) {
    if (bytes == 1) {
        return "1 byte";
    }
    if (bytes < 1000) {
        return std::to_string(bytes) + " bytes";
    }
    static constexpr std::array kUnits{"kB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1000.0;
    std::size_t unit = 0;
    // Move up while the rounded figure would read 1000.0 or more.
    while (value >= 999.95 && unit + 1 < kUnits.size()) {
        value /= 1000.0;
        ++unit;
    }
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%.1f %s", value, kUnits[unit]);
    return buf.data();
}

std::string ByteCountText(std::uint64_t bytes) {
    std::string digits = std::to_string(bytes);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out.push_back(',');
        }
        out.push_back(digits[i]);
    }
    return out;
}

std::string_view ExtensionOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
}

void SetFileTypeNames(const FileTypeNames* names) {
    TypeNames() = names;
}

std::string FileTypeText(std::string_view fileName) {
    if (const FileTypeNames* names = TypeNames()) {
        if (std::string name = names->TypeNameOf(fileName); !name.empty()) {
            return name;
        }
    }
    std::string_view ext = ExtensionOf(fileName);
    if (ext.size() <= 1) {
        return "File";
    }
    ext.remove_prefix(1);
    std::string lower(ext.size(), '\0');
    std::transform(ext.begin(), ext.end(), lower.begin(), platform::AsciiLower);
    for (const TypeName& t : kTypeNames) {
        if (lower == t.extension) {
            return t.text;
        }
    }
    std::string upper(ext.size(), '\0');
    std::transform(ext.begin(), ext.end(), upper.begin(), platform::AsciiUpper);
    return upper + " file";
}

std::string ShortDateText(const std::tm& local) {
    std::string format = nl_langinfo(D_FMT);
    ReplaceAll(format, "%y", "%Y");
    return Formatted(format, local);
}

std::string LongTimeText(const std::tm& local) {
    return Formatted(nl_langinfo(T_FMT), local);
}

std::string ShortTimeText(const std::tm& local) {
    std::string format = nl_langinfo(T_FMT);
    ReplaceAll(format, "%T", "%H:%M");
    ReplaceAll(format, "%r", "%I:%M %p");
    ReplaceAll(format, ":%S", "");
    ReplaceAll(format, ".%S", "");
    return Formatted(format, local);
}

std::string ShortDateTimeText(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) {
        return {};
    }
    return ShortDateText(local) + " " + ShortTimeText(local);
}

}  // namespace zembo::browser

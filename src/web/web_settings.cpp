// Section "WEB": read at the dialog's opening, written when it closes.
#include "web/web_settings.h"

#include "web/web_template.h"
#include "web/web_texts.h"

namespace bw {
namespace {

constexpr const char* kSection = "WEB";
constexpr const char* kMissingWidth = "999";
constexpr std::size_t kWidthLimit = 3;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Is(std::string_view value, std::string_view word) {
  if (value.size() != word.size()) return false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (LowerAscii(value[i]) != LowerAscii(word[i])) return false;
  }
  return true;
}

// A two-way switch: true (the first value) when missing, empty or the first word.
bool FirstOfTwo(ProfileStore& settings, const char* key, const char* first) {
  const std::string value = settings.Get(kSection, key, first);
  return value.empty() || Is(value, first);
}

HtmlGrouping ReadGrouping(ProfileStore& settings, const char* key) {
  const std::string value = settings.Get(kSection, key, "ArtistName");
  if (Is(value, "None")) return HtmlGrouping::kNone;
  if (Is(value, "Alphabet")) return HtmlGrouping::kAlphabet;
  return HtmlGrouping::kArtistName;
}

const char* GroupingWord(HtmlGrouping grouping) {
  switch (grouping) {
    case HtmlGrouping::kNone: return "None";
    case HtmlGrouping::kAlphabet: return "Alphabet";
    case HtmlGrouping::kArtistName: break;
  }
  return "ArtistName";
}

HeadingSize ReadSize(ProfileStore& settings) {
  const std::string value = settings.Get(kSection, "Size", "");
  if (value.empty() || Is(value, "Medium")) return HeadingSize::kMedium;
  if (Is(value, "Small")) return HeadingSize::kSmall;
  return HeadingSize::kLarge;
}

const char* SizeWord(HeadingSize size) {
  switch (size) {
    case HeadingSize::kSmall: return "Small";
    case HeadingSize::kMedium: return "Medium";
    case HeadingSize::kLarge: break;
  }
  return "Large";
}

std::string ValueOr(ProfileStore& settings, const char* key, const std::string& fallback) {
  const std::string value = settings.Get(kSection, key, "");
  return value.empty() ? fallback : value;
}

}  // namespace

std::string ViewablePage(const std::string& folder, const std::string& fileName) {
  if (folder.empty() || !IsContainedName(fileName)) return "";
  const std::size_t dot = fileName.find_last_of('.');
  const std::string_view extension =
      dot == std::string::npos ? std::string_view() : std::string_view(fileName).substr(dot);
  if (!Is(extension, ".htm") && !Is(extension, ".html")) return "";
  return EndInBackslash(folder) + fileName;
}

std::string EndInBackslash(std::string folder) {
  if (folder.empty()) return folder;
  if (folder.back() == '/') folder.back() = '\\';
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

HtmlDocumentSettings ReadHtmlDocumentSettings(ProfileStore& settings,
                                              const std::string& programFolder) {
  HtmlDocumentSettings values;
  const std::string home = EndInBackslash(programFolder);
  values.templateFolder = EndInBackslash(ValueOr(settings, "TemplatePath", home));
  values.templateFileName = settings.Get(kSection, "TemplateFileName", "");
  values.destinationFolder = EndInBackslash(ValueOr(settings, "DestinationPath", home));
  values.destinationFileName = ValueOr(settings, "DestinationFileName", kTextWebDefaultFileName);

  HtmlOptions& options = values.options;
  options.multiplePages = !FirstOfTwo(settings, "HTMLOutput", "Single");
  options.table = !FirstOfTwo(settings, "DatabaseOutput", "Plain");
  options.contents = ReadGrouping(settings, "TableOfContents");
  options.heading = ReadGrouping(settings, "Heading");
  options.headingSize = ReadSize(settings);
  options.sorting = FirstOfTwo(settings, "Sorting", "Yes");
  options.itemNames = FirstOfTwo(settings, "ItemNameOutput", "On");
  options.items = AllHtmlItems();
  std::string width = settings.Get(kSection, "TableBorderWidth", kMissingWidth);
  width = width.substr(0, kWidthLimit);
  options.borderWidth = width.empty() || width == kMissingWidth ? "1" : width;
  return values;
}

void WriteHtmlDocumentSettings(ProfileStore& settings, const HtmlDocumentSettings& values) {
  const HtmlOptions& options = values.options;
  settings.Set(kSection, "TemplatePath", values.templateFolder);
  settings.Set(kSection, "TemplateFileName", values.templateFileName);
  settings.Set(kSection, "DestinationPath", values.destinationFolder);
  settings.Set(kSection, "DestinationFileName", values.destinationFileName);
  settings.Set(kSection, "HTMLOutput", options.multiplePages ? "Multiple" : "Single");
  settings.Set(kSection, "DatabaseOutput", options.table ? "Table" : "Plain");
  settings.Set(kSection, "TableOfContents", GroupingWord(options.contents));
  settings.Set(kSection, "Heading", GroupingWord(options.heading));
  settings.Set(kSection, "Size", SizeWord(options.headingSize));
  settings.Set(kSection, "Sorting", options.sorting ? "Yes" : "No");
  settings.Set(kSection, "ItemNameOutput", options.itemNames ? "On" : "Off");
  settings.Set(kSection, "TableBorderWidth", options.borderWidth);
}

DestinationCheck CheckDestinationText(std::string_view typed,
                                      const FolderExistsFunction& folderExists,
                                      std::string* folder, std::string* fileName) {
  const std::size_t last = typed.find_last_of("\\/");
  const std::string_view name = last == std::string_view::npos ? typed : typed.substr(last + 1);
  if (name.empty()) return DestinationCheck::kNoFileName;
  const std::string_view folderPart =
      last == std::string_view::npos ? std::string_view() : typed.substr(0, last + 1);
  const std::optional<std::string> checked = CheckFolderPath(folderPart, folderExists);
  if (!checked) return DestinationCheck::kInvalidFolder;
  *folder = EndInBackslash(*checked);
  *fileName = std::string(name);
  return DestinationCheck::kAccepted;
}

}  // namespace bw

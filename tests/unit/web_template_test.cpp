// Web template files: the ".WT" keys as the profile functions read them, the output tag, and
// the names a template may use.
#include <gtest/gtest.h>

#include "web/web_template.h"

namespace bw {
namespace {

TEST(WebTemplateFile, ReadsKeysAsTheProfileFunctionsDo) {
  const WebTemplate parsed = ParseWebTemplate(
      "\xEF\xBB\xBF; a comment\r\n[Other]\r\nName=Wrong\r\n"
      "[ webtemplate ]\r\n  name  =  \"Blue Night\"  \r\nFILENAME=night.htm\r\n"
      "NumberOfItems=3\r\nItem2=b.gif\r\nItem1=a.css\r\nItem4=beyond.gif\r\nItem3=0\r\n"
      "Name=Second\r\n[WEBTemplate]\r\nFileName=later.htm\r\n");
  EXPECT_EQ(parsed.name, "Blue Night");
  EXPECT_EQ(parsed.fileName, "night.htm");  // the first section of the name counts
  EXPECT_TRUE(parsed.hasItemCount);
  EXPECT_EQ(parsed.itemCount, 3);
  // In number order, up to the count; "0" is the missing-item answer.
  EXPECT_EQ(parsed.items, (std::vector<std::string>{"a.css", "b.gif"}));
}

TEST(WebTemplateFile, MissingAnswersMeanMissingKeys) {
  const WebTemplate parsed =
      ParseWebTemplate("[WEBTemplate]\nFileName=0\nNumberOfItems=vexly\nItem1=a.gif\n");
  EXPECT_TRUE(parsed.fileName.empty());
  EXPECT_FALSE(parsed.hasItemCount);
  EXPECT_TRUE(parsed.items.empty());
  EXPECT_EQ(ParseWebTemplate("[WEBTemplate]\nNumberOfItems=many\n").itemCount, 0);
  EXPECT_FALSE(IniValue("[WEBTemplate]\nName\n", "WEBTemplate", "Name").has_value());
}

TEST(WebTemplateFile, OutputTagFoundWithoutRegardToCase) {
  HtmlTemplate parts;
  ASSERT_TRUE(SplitHtmlTemplate("<Html><Body class=X><%OUTPUT%></Body>\r\n</HTML>", &parts));
  EXPECT_EQ(parts.head, "<Html><Body class=X>");
  EXPECT_EQ(parts.tail, "</Body>\r\n</HTML>");

  ASSERT_TRUE(SplitHtmlTemplate("a<%output%>b<%Output%>c", &parts));
  EXPECT_EQ(parts.head, "a");
  EXPECT_EQ(parts.tail, "b<%Output%>c");  // only the first tag counts

  EXPECT_FALSE(SplitHtmlTemplate("<%Outpu%>", &parts));
  EXPECT_FALSE(SplitHtmlTemplate("<%Output", &parts));
  ASSERT_TRUE(SplitHtmlTemplate("<%Output%>", &parts));
  EXPECT_TRUE(parts.head.empty());
  EXPECT_TRUE(parts.tail.empty());
}

TEST(WebTemplateFile, NamesStayInsideTheirFolder) {
  EXPECT_TRUE(IsContainedName("Default.htm"));
  EXPECT_TRUE(IsContainedName("images\\logo.gif"));
  EXPECT_TRUE(IsContainedName("./style.css"));
  for (const char* outside : {"", "..\\setup.exe", "a/../../b", "\\Windows\\notepad.exe",
                              "/etc/passwd", "C:\\autoexec.bat", "c:evil", "...\\x", "x\\.. \\y"}) {
    EXPECT_FALSE(IsContainedName(outside)) << outside;
  }
}

}  // namespace
}  // namespace bw

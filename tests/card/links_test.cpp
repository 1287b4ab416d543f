// Links: completing typed addresses, captions, the safety check before a
// link from a card is opened, and the link object.

#include <gtest/gtest.h>

#include <string>

#include "card/links.h"
#include "card/lumigram.h"
#include "tests/card/card_fixtures.h"
#include "util/error_texts.h"

namespace lumigram::testing {
namespace {

TEST(Links, CompleteLinkPicksTheScheme) {
  EXPECT_EQ(CompleteLink("example.com/page"), "http://example.com/page");
  EXPECT_EQ(CompleteLink("me@example.com"), "mailto:me@example.com");
  EXPECT_EQ(CompleteLink("a@b@example.com"), "http://a@b@example.com");
  EXPECT_EQ(CompleteLink("me@example.com/x"), "http://me@example.com/x");
  EXPECT_EQ(CompleteLink("share\\folder"), "http://share\\folder");
  EXPECT_EQ(CompleteLink("MailTo:HTTP://me@example.com"), "mailto:me@example.com");
  EXPECT_EQ(CompleteLink("Http://example.com"), "http://example.com");
  // A secure address stays secure instead of becoming "http://https://...".
  EXPECT_EQ(CompleteLink("HTTPS://example.com/a"), "https://example.com/a");
  EXPECT_EQ(CompleteLink("http://https://example.com"), "https://example.com");
}

TEST(Links, StripSchemeAndCaption) {
  EXPECT_EQ(StripScheme("http://example.com/a?b=1", false), "example.com/a?b=1");
  EXPECT_EQ(StripScheme("http://example.com/a?b=1", true), "example.com/a");
  EXPECT_EQ(LinkCaption("https://example.com/?q"), "example.com/");
  EXPECT_EQ(LinkCaption("HTTP://mailto:x@y?subject=hi"), "x@y");
  EXPECT_EQ(LinkCaption("ftp://example.com"), "ftp://example.com");
}

TEST(Links, OnlyWebAndMailAddressesAreSafe) {
  std::string target;
  EXPECT_TRUE(IsSafeLink("  HTTP://example.com/x \r\n", target));
  EXPECT_EQ(target, "HTTP://example.com/x");
  EXPECT_TRUE(IsSafeLink("https://example.com", target));
  EXPECT_TRUE(IsSafeLink("MAILTO:me@example.com", target));
  for (const char* unsafe :
       {"/usr/bin/xterm", "file:///etc/passwd", "example.com", "javascript:alert(1)",
        "ftp://example.com", "smb://host/share", "http:/x", "", "http://a\nb", "http://a\x7f"}) {
    target = "unchanged";
    EXPECT_FALSE(IsSafeLink(unsafe, target)) << unsafe;
    EXPECT_EQ(target, "unchanged");
  }
}

TEST(Links, FollowLinkOpensOnlySafeLinks) {
  TCardOnDouble card(true);
  int busyChanges = 0;
  card.Card->OnBusyChange = [&](TLumigram&) { ++busyChanges; };
  card.Card->Info().Link = "http://example.com";
  card.Card->FollowLink();
  card.Card->Info().Link = "/bin/sh";
  card.Card->FollowLink();
  card.Card->Info().Link = "file:///home/someone/run.desktop";
  card.Card->FollowLink();
  EXPECT_EQ(card.Platform.DesktopDouble.Opened, std::vector<std::string>{"http://example.com"});
  EXPECT_EQ(card.Card->LastError(), err::kAccessDenied);
  EXPECT_EQ(busyChanges, 6) << "busy on and off around each";
  EXPECT_FALSE(card.Card->Busy());
}

TEST(Links, ClickOnTheLinkHotSpotFollowsIt) {
  TCardOnDouble card(true);
  card.Card->Info().Link = "mailto:me@example.com";
  card.Card->Refresh(false);
  const TSimpleLabel& link = card.Card->LinkLabel();
  ASSERT_TRUE(link.Visible());
  const int frame = card.Card->Info().Frame.Size;
  card.Window().Click(TMouseButton::Left, frame + link.Left + 3, frame + link.Top + 3);
  EXPECT_EQ(card.Platform.DesktopDouble.Opened, std::vector<std::string>{"mailto:me@example.com"});
}

TEST(LinkObject, StreamedAsAComponent) {
  const std::string bytes = WriteLinkObject({"http://a.b", 255});
  const std::string expected = std::string("TPF0") + "\x07TLinkIO" + '\0' + "\x04Link" + "\x06" +
                               "\x0Ahttp://a.b" + "\x09LinkColor" + "\x03\xFF" + '\0' + '\0' + '\0';
  EXPECT_EQ(bytes, expected) << "255 takes the 16-bit integer tag";
  TLinkObject read;
  ASSERT_TRUE(ReadLinkObject(bytes, read));
  EXPECT_EQ(read.Link, "http://a.b");
  EXPECT_EQ(read.LinkColor, 255u);

  const std::string noLink = WriteLinkObject({"", 5});
  EXPECT_EQ(noLink.find("Link\x06"), std::string::npos) << "an empty link is not stored";
  ASSERT_TRUE(ReadLinkObject(noLink, read));
  EXPECT_EQ(read.Link, "");
  EXPECT_EQ(read.LinkColor, 5u);
}

TEST(LinkObject, RefusesOtherComponents) {
  TLinkObject read{"kept", 7};
  std::string other = WriteLinkObject({"http://a.b", 1});
  other.replace(5, 7, "TLinkXX");
  EXPECT_FALSE(ReadLinkObject(other, read));
  EXPECT_FALSE(ReadLinkObject("TPF0", read));
  EXPECT_FALSE(ReadLinkObject("", read));
  std::string wrongKind = WriteLinkObject({"", 1});
  wrongKind.replace(wrongKind.find("LinkColor"), 9, "LinkWidth");
  EXPECT_FALSE(ReadLinkObject(wrongKind, read));
  EXPECT_EQ(read.Link, "kept");
  EXPECT_EQ(read.LinkColor, 7u);

  TCardOnDouble card;
  EXPECT_FALSE(card.Card->ReadLinkObject(other));
  EXPECT_EQ(card.Card->LastError(), err::kUnknownFormat);
  ASSERT_TRUE(card.Card->ReadLinkObject(WriteLinkObject({"http://c.d/e?f", 0xFF00})));
  EXPECT_EQ(card.Card->LinkLabel().Caption(), "c.d/e");
  EXPECT_EQ(card.Card->LinkLabel().Font().Color, 0xFF00u);
}

}  // namespace
}  // namespace lumigram::testing

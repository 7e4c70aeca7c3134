// The WinHTTP download against a small HTTP server on 127.0.0.1 in this
// process: a body is written whole, and a body past the size bound, a
// redirect to another scheme, more than ten redirects or an error status
// fail without a file.
#include <gtest/gtest.h>

#include <string>

#include "platform/Download.h"
#include "platform/win32/DownloadWin32.h"
#include "tests/contract/TinyHttpServer.h"

namespace {

class DownloadWin32Check : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_server.Listening());
    m_file = TinyHttpServer::ScratchFile("dorvanta-download-check.txt");
  }
  void TearDown() override { ::DeleteFileA(m_file.c_str()); }
  LONG Fetch(const std::string& path) { return m_download.DownloadToFile(m_server.Url(path), m_file); }
  bool FileExists() const { return ::GetFileAttributesA(m_file.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string FileText() const { return TinyHttpServer::FileText(m_file); }
  void Redirect(const std::string& from, const std::string& to) {
    m_server.Answer(from, "302 Found", "Location: " + to + "\r\n", "");
  }

  TinyHttpServer m_server;
  win32::DownloadWin32 m_download;
  std::string m_file;
};

TEST_F(DownloadWin32Check, WholeBodyIsWrittenAndOverSizedOneFails) {
  m_server.Answer("/list", "200 OK", "", "Seoul 1=10.0.0.1\r\n");
  m_server.Answer("/big", "200 OK", "", std::string(plat::kMaxDownloadBytes + 1, 'x'));
  EXPECT_EQ(Fetch("/list"), plat::kDownloadOk);
  EXPECT_EQ(FileText(), "Seoul 1=10.0.0.1\r\n");
  ::DeleteFileA(m_file.c_str());
  EXPECT_EQ(Fetch("/big"), plat::kDownloadFailed);
  EXPECT_FALSE(FileExists());
  EXPECT_EQ(Fetch("/missing"), plat::kDownloadFailed);
  EXPECT_FALSE(FileExists());
}

TEST_F(DownloadWin32Check, RedirectsStayWithinHttpAndTen) {
  for (int hop = 0; hop <= plat::kMaxDownloadRedirects; ++hop)
    Redirect("/r" + std::to_string(hop), m_server.Url("/r" + std::to_string(hop + 1)));
  m_server.Answer("/r" + std::to_string(plat::kMaxDownloadRedirects + 1), "200 OK", "", "end");
  Redirect("/ftp", "ftp://127.0.0.1/list");
  EXPECT_EQ(Fetch("/r1"), plat::kDownloadOk);  // ten redirects
  EXPECT_EQ(FileText(), "end");
  ::DeleteFileA(m_file.c_str());
  EXPECT_EQ(Fetch("/r0"), plat::kDownloadFailed);  // eleven
  EXPECT_EQ(Fetch("/ftp"), plat::kDownloadFailed);
  EXPECT_FALSE(FileExists());
}

}  // namespace

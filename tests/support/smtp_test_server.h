// A minimal SMTP server for tests, on 127.0.0.1 at a free port, in a thread
// of its own. It serves one connection (EHLO/HELO, optional AUTH PLAIN,
// MAIL FROM, RCPT TO, DATA, RSET, NOOP, QUIT), records what the client sent,
// and stops by itself after the connection or after a deadline, so a test
// whose client never connects cannot hang.
#pragma once

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace crv::test {

class SmtpTestServer {
 public:
  struct Options {
    std::set<std::string> rejectedRecipients;  // answered with 550
    bool offerAuth = false;                    // advertise AUTH PLAIN
    std::chrono::seconds deadline{15};
  };
  struct Session {
    std::string greeting;   // the EHLO/HELO argument
    std::string authPlain;  // decoded "\0user\0password"
    std::string mailFrom;
    std::vector<std::string> recipients;  // accepted ones
    std::string data;                     // the message, dot-stuffing removed
    bool quit = false;
  };

  explicit SmtpTestServer(Options options);
  SmtpTestServer() : SmtpTestServer(Options{}) {}
  ~SmtpTestServer();
  SmtpTestServer(const SmtpTestServer&) = delete;
  SmtpTestServer& operator=(const SmtpTestServer&) = delete;

  int port() const { return port_; }
  // Waits for the server to stop and returns what it recorded.
  const Session& session();

 private:
  void run();
  void serve(int client);

  Options options_;
  int listener_ = -1;
  int port_ = 0;
  Session session_;
  std::thread thread_;
  std::chrono::steady_clock::time_point until_;
};

}  // namespace crv::test

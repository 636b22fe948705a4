// The test SMTP server: blocking sockets with poll() timeouts bounded by
// the deadline.
#include "support/smtp_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <stdexcept>

#include "host/mail/mime_encoding.h"

namespace crv::test {

namespace {

int millisecondsLeft(std::chrono::steady_clock::time_point until) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

class Connection {
 public:
  Connection(int fd, std::chrono::steady_clock::time_point until) : fd_(fd), until_(until) {}

  bool send(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
      ssize_t sent = ::send(fd_, text.data() + done, text.size() - done, MSG_NOSIGNAL);
      if (sent <= 0) return false;
      done += static_cast<std::size_t>(sent);
    }
    return true;
  }

  // One line without its CRLF; false at the deadline or end of connection.
  bool readLine(std::string& line) {
    while (true) {
      std::size_t end = buffer_.find("\r\n");
      if (end != std::string::npos) {
        line = buffer_.substr(0, end);
        buffer_.erase(0, end + 2);
        return true;
      }
      pollfd wait{fd_, POLLIN, 0};
      if (::poll(&wait, 1, millisecondsLeft(until_)) <= 0) return false;
      char chunk[4096];
      ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
      if (got <= 0) return false;
      buffer_.append(chunk, static_cast<std::size_t>(got));
    }
  }

 private:
  int fd_;
  std::chrono::steady_clock::time_point until_;
  std::string buffer_;
};

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string between(const std::string& text, char open, char close) {
  std::size_t start = text.find(open);
  std::size_t end = text.find(close, start + 1);
  if (start == std::string::npos || end == std::string::npos) return {};
  return text.substr(start + 1, end - start - 1);
}

std::string decodedAuth(const std::string& text) {
  auto bytes = mime::decodeBase64(text);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace

SmtpTestServer::SmtpTestServer(Options options) : options_(std::move(options)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 1) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (listener_ >= 0) ::close(listener_);
    throw std::runtime_error("the test SMTP server cannot listen");
  }
  port_ = ntohs(address.sin_port);
  until_ = std::chrono::steady_clock::now() + options_.deadline;
  thread_ = std::thread([this] { run(); });
}

SmtpTestServer::~SmtpTestServer() {
  if (thread_.joinable()) thread_.join();
  ::close(listener_);
}

const SmtpTestServer::Session& SmtpTestServer::session() {
  if (thread_.joinable()) thread_.join();
  return session_;
}

void SmtpTestServer::run() {
  pollfd wait{listener_, POLLIN, 0};
  if (::poll(&wait, 1, millisecondsLeft(until_)) <= 0) return;
  int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
  if (client < 0) return;
  serve(client);
  ::close(client);
}

void SmtpTestServer::serve(int client) {
  Connection connection(client, until_);
  if (!connection.send("220 localhost test SMTP\r\n")) return;
  std::string line;
  while (connection.readLine(line)) {
    std::string command = upper(line.substr(0, 4));
    std::string reply;
    if (command == "EHLO") {
      session_.greeting = line.size() > 5 ? line.substr(5) : "";
      reply = options_.offerAuth ? "250-localhost\r\n250 AUTH PLAIN\r\n" : "250 localhost\r\n";
    } else if (command == "HELO") {
      session_.greeting = line.size() > 5 ? line.substr(5) : "";
      reply = "250 localhost\r\n";
    } else if (command == "AUTH") {
      std::string rest = line.size() > 11 ? line.substr(11) : "";
      if (rest.empty()) {
        if (!connection.send("334 \r\n") || !connection.readLine(rest)) return;
      }
      session_.authPlain = decodedAuth(rest);
      reply = "235 2.7.0 Authentication successful\r\n";
    } else if (command == "MAIL") {
      session_.mailFrom = between(line, '<', '>');
      reply = "250 OK\r\n";
    } else if (command == "RCPT") {
      std::string recipient = between(line, '<', '>');
      if (options_.rejectedRecipients.count(recipient)) {
        reply = "550 5.1.1 No such user\r\n";
      } else {
        session_.recipients.push_back(recipient);
        reply = "250 OK\r\n";
      }
    } else if (command == "DATA") {
      if (!connection.send("354 End data with <CR><LF>.<CR><LF>\r\n")) return;
      std::string data;
      while (true) {
        if (!connection.readLine(line)) return;
        if (line == ".") break;
        if (!line.empty() && line[0] == '.') line.erase(0, 1);
        data += line + "\r\n";
      }
      session_.data = std::move(data);
      reply = "250 OK queued\r\n";
    } else if (command == "RSET" || command == "NOOP") {
      reply = "250 OK\r\n";
    } else if (command == "QUIT") {
      session_.quit = true;
      connection.send("221 Bye\r\n");
      return;
    } else {
      reply = "502 Command not implemented\r\n";
    }
    if (!connection.send(reply)) return;
  }
}

}  // namespace crv::test

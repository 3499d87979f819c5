// WinINet as the program uses it: "Wininet.dll" bound once at start-up and kept for the run,
// and the HTTP fetch of one freedb request on a worker thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <string>

namespace bw {
namespace freedb {

inline constexpr const char* kInternetLibraryName = "Wininet.dll";

// Loads the library and InternetOpenA, InternetOpenUrlA, InternetCloseHandle and
// InternetReadFile; answers whether all were found. A failure is not reported here: every HTTP
// operation tests IsInternetLibraryAvailable() first and says so itself.
bool BindInternetLibrary(const char* libraryName = kInternetLibraryName);
void UnbindInternetLibrary();
bool IsInternetLibraryAvailable();

struct FetchResult {
  enum class Outcome {
    kRead,              // `text` holds the reply, cut at the capacity
    kConnectionFailed,  // the session or the URL could not be opened
    kReadFailed,        // the server was reached but its reply could not be read
  };
  Outcome outcome = Outcome::kConnectionFailed;
  std::string text;
};

// The Internet handle of one freedb operation, shared by its requests (query then read).
// Fetch blocks and is meant for a worker thread; Cancel may be called from any other thread
// and unblocks a fetch in progress by closing the handles it waits on.
class InternetSession {
 public:
  // InternetOpenA with the client identification as agent and the system's proxy settings.
  InternetSession();
  ~InternetSession() { Cancel(); }
  InternetSession(const InternetSession&) = delete;
  InternetSession& operator=(const InternetSession&) = delete;

  bool IsOpen() const { return session_.load() != nullptr; }

  // Opens the URL (always from the server, never from a cache) and reads its reply until the
  // server ends it or `capacity` bytes have arrived: a longer reply is cut without an error.
  FetchResult Fetch(const std::string& url, std::size_t capacity);

  // Closes the request in progress and the session; later fetches fail.
  void Cancel();

 private:
  std::atomic<void*> session_{nullptr};
  std::atomic<void*> request_{nullptr};
};

}  // namespace freedb
}  // namespace bw

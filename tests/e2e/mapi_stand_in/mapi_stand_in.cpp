// A stand-in for the system's Mapi32.dll, copied beside the program by the submission tests.
// MAPISendMail writes down everything it was handed in mapi_sent.txt beside the library and
// answers with the number in mapi_result.txt beside it (0, success, when that file is missing),
// so a test can read the message the program built and make the send fail.
//
// The structures are declared here from the published Simple MAPI layout rather than taken
// from the header the program uses, so a program built against a wrong layout is caught.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct RecipientDescription {
  ULONG reserved;
  ULONG recipientClass;
  LPSTR name;
  LPSTR address;
  ULONG entryIdSize;
  LPVOID entryId;
};

struct FileDescription {
  ULONG reserved;
  ULONG flags;
  ULONG position;
  LPSTR pathName;
  LPSTR fileName;
  LPVOID fileType;
};

struct MessageDescription {
  ULONG reserved;
  LPSTR subject;
  LPSTR noteText;
  LPSTR messageType;
  LPSTR dateReceived;
  LPSTR conversationId;
  ULONG flags;
  RecipientDescription* originator;
  ULONG recipientCount;
  RecipientDescription* recipients;
  ULONG fileCount;
  FileDescription* files;
};

constexpr ULONG kMapiFailure = 2;  // MAPI_E_FAILURE

HMODULE g_library = nullptr;

std::string LibraryFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(g_library, path, MAX_PATH);
  const std::string full(path, length);
  return full.substr(0, full.find_last_of("\\/") + 1);
}

// A null text is told apart from an empty one.
std::string Quoted(const char* text) {
  return text == nullptr ? "(null)" : "\"" + std::string(text) + "\"";
}

std::string Number(unsigned long value) { return std::to_string(value); }

std::string Recipient(const RecipientDescription* recipient) {
  if (recipient == nullptr) return "(null)";
  return "class " + Number(recipient->recipientClass) + ", name " + Quoted(recipient->name) +
         ", address " + Quoted(recipient->address);
}

// The note text comes last and whole, after its own line, so its line ends can be compared.
std::string Record(ULONG_PTR session, ULONG_PTR owner, const MessageDescription* message,
                   ULONG flags, ULONG reserved) {
  char ownerText[32];
  std::snprintf(ownerText, sizeof ownerText, "%08lx", static_cast<unsigned long>(owner));
  std::string record = "session " + Number(session) + "\nowner " + ownerText + "\nflags " +
                       Number(flags) + "\nreserved " + Number(reserved) + "\n";
  if (message == nullptr) return record + "message (null)\n";
  record += "message flags " + Number(message->flags) + "\nsubject " + Quoted(message->subject) +
            "\noriginator " + Recipient(message->originator) + "\nrecipients " +
            Number(message->recipientCount) + "\n";
  for (ULONG i = 0; i < message->recipientCount && message->recipients != nullptr; ++i) {
    record += "recipient " + Recipient(&message->recipients[i]) + "\n";
  }
  record += "files " + Number(message->fileCount) + "\nnote text\n";
  if (message->noteText != nullptr) record += message->noteText;
  return record;
}

// Written under another name and renamed, so a test never reads half a record.
bool WriteBeside(const std::string& name, const std::string& text) {
  const std::string path = LibraryFolder() + name;
  const std::string partial = path + ".part";
  FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed &&
         MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

ULONG ChosenResult() {
  const std::string path = LibraryFolder() + "mapi_result.txt";
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return 0;
  unsigned long result = 0;
  if (std::fscanf(file, "%lu", &result) != 1) result = kMapiFailure;
  std::fclose(file);
  return result;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_library = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(ULONG_PTR session, ULONG_PTR owner,
                                                           MessageDescription* message,
                                                           ULONG flags, ULONG reserved) {
  if (!WriteBeside("mapi_sent.txt", Record(session, owner, message, flags, reserved))) {
    return kMapiFailure;
  }
  return ChosenResult();
}

// The texts of disc submission, Freedb Setup and Freedb Server Information, as the user sees
// them. The transport and lookup texts they share stay in shell/texts.h.
#pragma once

// --- submission: checking the typed entry ---
inline constexpr const char* kTextRequiredFieldPrefix =
    "The following field is required for Freedb submission. Field: ";
inline constexpr const char* kTextRequiredTrackFormat = "Track %d.";  // track number from 1
inline constexpr const char* kTextRequiredArtist = "Artist.";
inline constexpr const char* kTextRequiredDiscName = "Disc Name.";
inline constexpr const char* kTextRequiredCategory = "Category.";
inline constexpr const char* kTextInvalidCategoryPrefix =
    "The provided category name is invalid for Freedb submission. Name: ";
// Follows the category messages; it begins a line of its own.
inline constexpr const char* kTextValidCategories =
    "\nValid categories for Freedb are: Blues, Classical, Country, Data, Folk, Jazz, Misc, "
    "Newage, Reggae, Rock, or Soundtrack.";

// --- submission: the Notepad file ---
inline constexpr const char* kTextNotepadIntroduction =
    "The following text below must be used to submit a disc to the Freedb database.\r\n"
    "Copy and Paste the items below into your email application.\r\n"
    "Make sure the email message is formatted as a plain text email.";
inline constexpr const char* kTextNotepadToMarker = "<--- To:      --->";
inline constexpr const char* kTextNotepadSubjectMarker = "<--- Subject: --->";
inline constexpr const char* kTextNotepadMessageMarker = "<--- Message: --->";

// --- submission: Simple MAPI and Notepad, when they fail ---
inline constexpr const char* kTextMapiMissing =
    "Error: Could not load or find Mapi32.dll. Choose another way to submit in Freedb Setup.";
// Followed by MAPISendMail's error number and a full stop.
inline constexpr const char* kTextMapiSendFailed =
    "Error: The e-mail program could not send the disc. MAPI error ";
// Followed by the file's path.
inline constexpr const char* kTextNotepadFileFailed = "Error: Could not write the file ";
// Followed by the file's path, which holds the submission all the same.
inline constexpr const char* kTextNotepadStartFailed =
    "Error: Could not start Notepad. The submission is in ";

// --- submission: the e-mail dialog (3800) ---
inline constexpr const char* kTextSmtpDialogTitle = "Freedb Email Subbmission";
inline constexpr const char* kTextCreatingEmail =
    "Creating email message to send to Freedb database.";
inline constexpr const char* kTextInvalidSmtpServer = "Error: Invalid SMTP server address.";
inline constexpr const char* kTextConnectingSmtp = "Connecting to the SMTP server.";
inline constexpr const char* kTextCouldNotConnectSmtp =
    "Error: Could not connect to the SMTP server.";
inline constexpr const char* kTextSmtpCommunicationProblem =
    "Error: Problem communicating with the SMTP server.";
inline constexpr const char* kTextHeloCommandProblem = "Error: Problem with HELO command.";
inline constexpr const char* kTextSendingEmailAddress = "Sending email address.";
inline constexpr const char* kTextEmailAddressProblem = "Error: Problem sending email address.";
inline constexpr const char* kTextSendingFreedbAddress = "Sending Freedb email address.";
inline constexpr const char* kTextFreedbAddressProblem =
    "Error: Problem sending Freedb email address.";
inline constexpr const char* kTextSendingDiscInformation = "Sending disc information to Freedb.";
inline constexpr const char* kTextDataCommandProblem = "Error: Problem with DATA command.";
// The server refused the message itself (its answer to the end of the data).
inline constexpr const char* kTextDiscInformationProblem =
    "Error: Problem sending disc information to Freedb.";
inline constexpr const char* kTextClosingSmtp = "Closing connection with the SMTP server.";
inline constexpr const char* kTextDiscSent =
    "Your disc was sent to Freedb. If there was an error, you will get an email from Freedb.";
inline constexpr const char* kTextCaptionCancel = "Cancel";
inline constexpr const char* kTextCaptionOk = "OK";

// --- Freedb Setup (3500) and Freedb Server Information (3700) ---
inline constexpr const char* kTextCaptionUpdate = "Update";
inline constexpr const char* kTextCaptionStop = "Stop";
inline constexpr const char* kTextEmailRequired =
    "Error: Please enter an email address. Brindlewax needs an email address to talk to the "
    "Freedb server.";
inline constexpr const char* kTextRetrievingSites = "Retrieving Freedb sites.";
inline constexpr const char* kTextHelloCommandProblem = "Error: Problem with HELLO command.";
inline constexpr const char* kTextProtoCommandProblem = "Error: Problem with PROTO command.";
// Also the answer to a refused "sites": the two lists share the statistics' text.
inline constexpr const char* kTextStatCommandProblem = "Error: Problem with STAT command.";
inline constexpr const char* kTextVerCommandProblem = "Error: Problem with VER command.";
inline constexpr const char* kTextClosingCddbp = "Closing CDDBP connection.";
inline constexpr const char* kTextNoSiteEntries = "Error: Could not get the number of sizes.";
inline constexpr const char* kTextDefaultServerDescription = " - Random freedb server";
inline constexpr const char* kTextLastUpdatedPrefix = "Last updated on ";
inline constexpr const char* kTextRetrievingServerInfo = "Retrieving Freedb server information.";
inline constexpr const char* kTextRetrievingEntries = "Retrieving Freedb database entries.";
inline constexpr const char* kTextRetrievingVersion =
    "Retrieving Freedb server version information.";
// A record read from the server that the catalogue could not take (a damaged or read-only
// catalogue): shown instead of "Done!".
inline constexpr const char* kTextRecordNotStored = "Error: Could not store the disc in the CD database.";

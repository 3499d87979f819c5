// The texts of the web page generator and its dialog, exactly as the user sees them.
#pragma once

namespace bw {

// Status lines of a run, in the order a run can show them.
inline constexpr const char* kTextWebNoItems = "Error: No items selected to create web page with!";
inline constexpr const char* kTextWebAskNoTemplate =
    "No web template file has been selected. Brindlewax can still make a HTML document without "
    "a selected .WT file. Proceed?";
inline constexpr const char* kTextWebAskNoHtmlFile =
    "The provided web template file does not contain a HTML file. Brindlewax can still make a "
    "HTML document without a valid HTML file. Proceed?";
inline constexpr const char* kTextWebAskBadHtmlFile =
    "The provided HTML file does not contain the <%Output%> tag or does not exist. Brindlewax "
    "can still make a HTML document without a valid HTML file. Proceed?";
inline constexpr const char* kTextWebAborted = "Aborted!";
inline constexpr const char* kTextWebCheckingTemplate = "Checking template file.";
inline constexpr const char* kTextWebCannotOpenTemplate = "Error: Could not open template file!";
inline constexpr const char* kTextWebNoMemory = "Error: Not enough memory to create web page!";
inline constexpr const char* kTextWebMissingTag =
    "Error: Missing <%Output%> tag in HTML template file!";
inline constexpr const char* kTextWebCreatingPage = "Creating CD database web page.";
inline constexpr const char* kTextWebAskOverwrite =
    "File already exists! Do you want to overwrite it?";
inline constexpr const char* kTextWebFileExists = "File already exists!";
inline constexpr const char* kTextWebCannotCreate = "Error: Could not create the destination file!";
inline constexpr const char* kTextWebSorting = "Sorting Database.";
inline constexpr const char* kTextWebCreatingBuffer = "Creating Memory Buffer.";
inline constexpr const char* kTextWebWriting = "Writing HTML.";
inline constexpr const char* kTextWebCannotWrite =
    "Error: Could not write HTML files! Check disk space.";
inline constexpr const char* kTextWebCopying = "Copying Files";
inline constexpr const char* kTextWebDone = "Done!";

// The page the generator writes around its text when there is no usable template.
inline constexpr const char* kTextWebBuiltInHead =
    "<HTML><HEAD><TITLE>My Personal CD Database</TITLE></HEAD><BODY>";
inline constexpr const char* kTextWebBuiltInTail = "</BODY></HTML>";
// The tag of an HTML template that the generated text replaces, matched without regard to case.
inline constexpr const char* kTextWebOutputTag = "<%Output%>";

// The comment at the top of every page and the credit line of the index (or the one page);
// the maker's address follows each beginning.
inline constexpr const char* kTextWebCommentStart = "<! This document was created by Brindlewax.";
inline constexpr const char* kTextWebCreditStart =
    "<BR><BR><font size=-1>This document was created by <b>Brindlewax</b>.";
inline constexpr const char* kTextWebCreditEnd = ".</font><BR>";
// What the comment and the credit line say of the maker, before the maker's web address.
inline constexpr const char* kTextWebMakerCredit =
    "Brindlewax 2.3 is a multimedia centre for Windows, at";

// Item names written before the values when item names are on.
inline constexpr const char* kTextWebItemCategory = "Category: ";
inline constexpr const char* kTextWebItemLabel = "Label: ";
inline constexpr const char* kTextWebItemNotes = "Notes: ";
inline constexpr const char* kTextWebItemRecording = "Recording: ";
inline constexpr const char* kTextWebItemType = "Type: ";
inline constexpr const char* kTextWebItemSize = "Size: ";
inline constexpr const char* kTextWebItemYear = "Year Released: ";

// The dialog's own texts.
inline constexpr const char* kTextWebDialogTitle = "Create HTML Document";
inline constexpr const char* kTextWebNoneSelected = "None selected";
inline constexpr const char* kTextWebReady = "Ready";
inline constexpr const char* kTextWebNoDestinationName = "Error: No destination filename!";
inline constexpr const char* kTextWebDefaultFileName = "index.htm";
inline constexpr const char* kTextWebTemplatePattern = "*.wt";

}  // namespace bw

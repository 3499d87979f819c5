// The xmcd record of a disc as it is submitted: the header comment with the frame offsets
// and the disc length, the disc ID, the disc title, the track titles, the notes, empty track
// notes and an empty play order. Every value is written in pieces of at most 69 characters,
// each on a line of its own behind its key; lines end in CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "freedb/protocol_lines.h"
#include "freedb/submission_check.h"

namespace bw {
namespace freedb {

inline constexpr std::size_t kXmcdPieceLength = 69;

// "KEY=piece\r\n" for every piece of `value`, at least one line (an empty value gives the key
// alone). A piece may end inside a word or between a backslash and its letter: readers join
// the pieces before decoding.
void AppendXmcdValue(std::string_view key, std::string_view value, std::string* out);

// Notes as one xmcd value: each line break (CR LF, or a lone CR or LF) becomes backslash n
// and a backslash is doubled, so the reader's decoding gives back the very text.
std::string EncodeXmcdNotes(std::string_view notes);

// A title on one line: a line break that slipped into it becomes a blank, so it can never
// start a line of its own in the record.
std::string OneLineXmcdText(std::string_view text);

// The whole record for the disc `disc` (offsets, length and ID from the drive) and the typed
// `entry`. Track titles are written for every track of the disc, empty ones past the titles
// given. Ends with "PLAYORDER=" and no line end.
std::string WriteXmcdRecord(const DiscQuery& disc, const SubmittedEntry& entry);

}  // namespace freedb
}  // namespace bw

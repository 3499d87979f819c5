// The media readers' own texts: what the Audio panel's bit-rate label and the file information
// dialogs show. Each is written once so tests name the constant the program shows.
#pragma once

// --- MP3 frame header ---
inline constexpr const char* kTextKbpsSuffix = " Kbps";
inline constexpr const char* kTextHzSuffix = " Hz";
// A free-format stream carries no bit rate in its header.
inline constexpr const char* kTextFreeFormat = "Free format";

// Channel mode by its two header bits.
inline constexpr const char* kTextChannelStereo = "Stereo";
inline constexpr const char* kTextChannelJointStereo = "Joint Stereo";
inline constexpr const char* kTextChannelDual = "Dual Channel";
inline constexpr const char* kTextChannelSingle = "Single Channel";

// Layer: 4 minus the layer bits; bits 0 are reserved.
inline constexpr const char* kTextLayer1 = "Layer I";
inline constexpr const char* kTextLayer2 = "Layer II";
inline constexpr const char* kTextLayer3 = "Layer III";
inline constexpr const char* kTextLayerUnknown = "Layer Unknown";

// Version by its two header bits 0-3.
inline constexpr const char* kTextMpegVersion25 = "MPEG Version 2.5";
inline constexpr const char* kTextMpegVersion00 = "MPEG Version 0.0";
inline constexpr const char* kTextMpegVersion20 = "MPEG Version 2.0";
inline constexpr const char* kTextMpegVersion10 = "MPEG Version 1.0";

// --- units ---
inline constexpr const char* kTextPixelsSuffix = " Pixels";
inline constexpr const char* kTextPixelsBetween = " x ";
inline constexpr const char* kTextFramesSuffix = " Frames";
inline constexpr const char* kTextFrameSuffix = " Frame";
inline constexpr const char* kTextFpsSuffix = " fps";
inline constexpr const char* kTextBpmSuffix = " BPM";
inline constexpr const char* kTextBitsSuffix = " Bits";
inline constexpr const char* kTextBitSuffix = " Bit";
inline constexpr const char* kTextTracksSuffix = " Tracks";
inline constexpr const char* kTextTrackSuffix = " Track";
inline constexpr const char* kTextChannelsSuffix = " Channels";
inline constexpr const char* kTextMono = "Mono";
// kTextChannelStereo serves the WAV channel count 2 as well.

// --- WAV formats, by the format tag of the fmt chunk ---
inline constexpr const char* kTextWavePcm = "PCM";
inline constexpr const char* kTextWaveMsAdpcm = "Microsoft ADPCM";
inline constexpr const char* kTextWaveFloat = "IEEE Float";
inline constexpr const char* kTextWaveALaw = "A-Law";
inline constexpr const char* kTextWaveMuLaw = "\xB5-Law";  // the ANSI micro sign
inline constexpr const char* kTextWaveImaAdpcm = "IMA ADPCM";
inline constexpr const char* kTextWaveGsm = "GSM 6.10";
inline constexpr const char* kTextWaveMpeg = "MPEG Audio";
inline constexpr const char* kTextWaveMp3 = "MPEG Layer III";
// Followed by the tag in hexadecimal, as "0x0161".
inline constexpr const char* kTextWaveOtherFormat = "Format ";

// --- MIDI ---
inline constexpr const char* kTextMidiFormat0 = "Format 0 (single track)";
inline constexpr const char* kTextMidiFormat1 = "Format 1 (multiple tracks)";
inline constexpr const char* kTextMidiFormat2 = "Format 2 (multiple songs)";
// Followed by the number of a format the standard does not define.
inline constexpr const char* kTextMidiFormatOther = "Format ";
inline constexpr const char* kTextTicksPerQuarter = " Ticks per quarter note";
inline constexpr const char* kTextTicksPerFrame = " Ticks per frame";
// After the starting tempo of a piece whose tempo changes: " (3 changes)".
inline constexpr const char* kTextTempoChangesOpen = " (";
inline constexpr const char* kTextTempoChanges = " changes)";
inline constexpr const char* kTextTempoChange = " change)";

// --- video formats ---
inline constexpr const char* kTextVideoAvi = "AVI";
inline constexpr const char* kTextVideoAviOpenDml = "AVI (OpenDML)";
inline constexpr const char* kTextVideoMpeg1Program = "MPEG-1 Program Stream";
inline constexpr const char* kTextVideoMpeg2Program = "MPEG-2 Program Stream";
inline constexpr const char* kTextVideoMpegElementary = "MPEG Video Elementary Stream";
inline constexpr const char* kTextVideoQuickTime = "QuickTime";
inline constexpr const char* kTextVideoMpeg4 = "MPEG-4";
inline constexpr const char* kTextVideoMpeg1 = "MPEG-1 Video";
inline constexpr const char* kTextVideoMpeg2 = "MPEG-2 Video";
inline constexpr const char* kTextVideoUncompressed = "Uncompressed";

// --- tag versions ---
inline constexpr const char* kTextId3v1 = "ID3v1";
inline constexpr const char* kTextId3v11 = "ID3v1.1";
inline constexpr const char* kTextId3v2Prefix = "ID3v2.";
inline constexpr const char* kTextTagsBetween = ", ";

// --- what the dialogs say about the file as a whole ---
inline constexpr const char* kTextMediaCannotOpen = "The file cannot be opened.";
inline constexpr const char* kTextMediaNotAudio = "This is not a WAV or MP3 file.";
inline constexpr const char* kTextMediaNotMidi = "This is not a MIDI file.";
inline constexpr const char* kTextMediaNotVideo = "This is not an AVI, MPEG or QuickTime file.";
inline constexpr const char* kTextMediaDamaged =
    "The file is damaged or incomplete; the values shown are those that could be read.";

// --- field labels, in the order the dialogs and brindwax-cli list them ---
inline constexpr const char* kLabelFileType = "File type:";
inline constexpr const char* kLabelFileSize = "File size:";
inline constexpr const char* kLabelBitRate = "Bit Rate:";
inline constexpr const char* kLabelSampleRate = "Sample Rate:";
inline constexpr const char* kLabelChannelMode = "Channel Mode:";
inline constexpr const char* kLabelLayer = "Layer:";
inline constexpr const char* kLabelVersion = "Version:";
inline constexpr const char* kLabelFormat = "Format:";
inline constexpr const char* kLabelChannels = "Channels:";
inline constexpr const char* kLabelBitsPerSample = "Bits per Sample:";
inline constexpr const char* kLabelLength = "Length:";
inline constexpr const char* kLabelTitle = "Title:";
inline constexpr const char* kLabelArtist = "Artist:";
inline constexpr const char* kLabelAlbum = "Album:";
inline constexpr const char* kLabelYear = "Year:";
inline constexpr const char* kLabelTags = "Tags:";
inline constexpr const char* kLabelTracks = "Tracks:";
inline constexpr const char* kLabelDivision = "Division:";
inline constexpr const char* kLabelTempo = "Tempo:";
inline constexpr const char* kLabelCompression = "Compression:";
inline constexpr const char* kLabelFrameSize = "Frame Size:";
inline constexpr const char* kLabelFrames = "Frames:";
inline constexpr const char* kLabelFrameRate = "Frame Rate:";
inline constexpr const char* kLabelNote = "Note:";

// File type labels of the audio dialog.
inline constexpr const char* kTextFileTypeWave = "WAV Audio";
inline constexpr const char* kTextFileTypeMp3 = "MP3 Audio";
inline constexpr const char* kTextFileTypeMidi = "MIDI Sequence";
inline constexpr const char* kTextFileTypeRmid = "RIFF MIDI Sequence";

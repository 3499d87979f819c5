#!/usr/bin/perl
# Reads xmcd records with CDDB::File, a parser independent of the program, for the xmcd
# checks. Two uses:
#   xmcd_records.pl entry RECORD
#     prints the disc's frames ("OFFSET... LEADOUT") on one line and, on the next, the
#     catalogue entry as JSON for "brindwax-cli db FOLDER add"; fields the record leaves empty
#     get stand-ins, so the entry passes the submission check.
#   xmcd_records.pl compare RECORD WRITTEN
#     checks that WRITTEN (a record the program wrote for that entry) gives the same artist,
#     disc name, track titles and notes, that its DISCID matches its own frame offsets, and
#     that its lines end in CR LF and hold at most 69 characters of value; prints "ok" or
#     what differs, and exits 0 or 1.
use strict;
use warnings;
use CDDB::File;
use Encode ();
use File::Temp qw(tempfile);
use JSON::PP ();

my $kMaxText = 255;

sub slurp {
  my ($path) = @_;
  open(my $in, '<:raw', $path) or die "cannot read $path\n";
  local $/;
  my $bytes = <$in>;
  close $in;
  return $bytes;
}

# CDDB::File reads lines ending in LF; a copy with LF line ends is handed to it.
sub parse {
  my ($bytes) = @_;
  $bytes =~ s/\r\n/\n/g;
  my ($out, $path) = tempfile(UNLINK => 1);
  binmode $out;
  print $out $bytes;
  close $out;
  return CDDB::File->new($path);
}

# xmcd escapes: backslash n a line break (as the catalogue keeps it, CR LF), backslash t a
# tab, a doubled backslash one backslash.
sub decode_notes {
  my ($text) = @_;
  $text =~ s/\\(\\|n|t)/$1 eq 'n' ? "\r\n" : $1 eq 't' ? "\t" : "\\"/ge;
  return $text;
}

sub cut {
  my ($text, $limit) = @_;
  return length($text) > $limit ? substr($text, 0, $limit) : $text;
}

# A track's whole title: CDDB::File splits "artist / title" on discs by Various.
sub track_title {
  my ($disc, $track) = @_;
  return $track->title if $track->artist eq $disc->artist;
  return $track->artist . " / " . $track->title;
}

# The values the program is expected to keep, as bytes.
sub values_of {
  my ($disc, $count) = @_;
  my @tracks = $disc->tracks;
  my @titles;
  for my $i (0 .. $count - 1) {
    my $title = $i < @tracks ? track_title($disc, $tracks[$i]) : '';
    $title = "Track " . ($i + 1) if $title eq '';
    push @titles, cut($title, $kMaxText);
  }
  my $notes = cut(decode_notes($disc->extd), $kMaxText);
  $notes = substr($notes, 0, -1) if $notes =~ /\r$/;  # never half a line break
  my $artist = $disc->artist;
  $artist = 'Unknown Artist' if !defined $artist || $artist eq '';
  my $title = $disc->title;
  $title = 'Unknown Disc' if !defined $title || $title eq '';
  return {
    artist => cut($artist, $kMaxText),
    disc_name => cut($title, $kMaxText),
    titles => \@titles,
    notes => $notes,
  };
}

# The record's own frames: its header offsets and length, or a made-up disc of as many tracks.
sub frames_of {
  my ($bytes, $disc) = @_;
  my @offsets;
  if ($bytes =~ /^# Track frame offsets:[^\n]*\n((?:#[ \t]*\d+[ \t]*\r?\n)+)/m) {
    @offsets = map { /(\d+)/ ? $1 : () } split /\n/, $1;
  }
  my ($length) = $bytes =~ /^# Disc length:\s*(\d+)/m;
  if (!@offsets) {
    @offsets = map { 150 + $_ * 15000 } 0 .. $disc->track_count - 1;
    $length = undef;
  }
  my $leadout = defined $length ? $length * 75 : 0;
  $leadout = $offsets[-1] + 75 * 60 if $leadout <= $offsets[-1];
  return (@offsets, $leadout);
}

# Windows-1252 bytes as characters for JSON; the five unassigned bytes stay C1 controls, as
# the program maps them.
sub characters {
  my ($bytes) = @_;
  return Encode::decode('cp1252', $bytes, sub { chr(shift) });
}

sub entry {
  my ($path) = @_;
  my $bytes = slurp($path);
  my $disc = parse($bytes);
  my @frames = frames_of($bytes, $disc);
  my $count = @frames - 1;
  my $values = values_of($disc, $count);
  my @seconds = map { int(($frames[$_ + 1] - $frames[$_]) / 75) } 0 .. $count - 1;
  my $json = JSON::PP->new->utf8->canonical->encode({
    track_seconds => \@seconds,
    titles => [map { characters($_) } @{$values->{titles}}],
    artist => characters($values->{artist}),
    disc_name => characters($values->{disc_name}),
    category => 'misc',
    notes => characters($values->{notes}),
  });
  print join(' ', @frames), "\n", $json, "\n";
  return 0;
}

sub digit_sum {
  my ($n) = @_;
  my $sum = 0;
  $sum += $_ for split //, $n;
  return $sum;
}

sub compare {
  my ($recordPath, $writtenPath) = @_;
  my $recordBytes = slurp($recordPath);
  my $writtenBytes = slurp($writtenPath);
  my @problems;

  my $record = parse($recordBytes);
  my @frames = frames_of($recordBytes, $record);
  my $expected = values_of($record, @frames - 1);
  my $written = parse($writtenBytes);
  my $got = values_of($written, $written->track_count);

  push @problems, "artist [$got->{artist}] not [$expected->{artist}]"
    if $got->{artist} ne $expected->{artist};
  push @problems, "disc name [$got->{disc_name}] not [$expected->{disc_name}]"
    if $got->{disc_name} ne $expected->{disc_name};
  push @problems, "notes differ" if $got->{notes} ne $expected->{notes};
  my @want = @{$expected->{titles}};
  my @have = @{$got->{titles}};
  push @problems, scalar(@have) . " track titles, not " . scalar(@want) if @have != @want;
  for my $i (0 .. $#want) {
    push @problems, "track " . ($i + 1) . " [" . ($have[$i] // '') . "] not [$want[$i]]"
      if ($have[$i] // '') ne $want[$i];
  }

  # The disc ID from the written record's own offsets and length.
  my ($offsetBlock) = $writtenBytes =~ /# Track frame offsets:\r\n((?:# \d+\r\n)+)/;
  my @offsets = defined $offsetBlock ? ($offsetBlock =~ /# (\d+)\r\n/g) : ();
  my ($length) = $writtenBytes =~ /# Disc length: (\d+) seconds\r\n/;
  if (!@offsets || !defined $length) {
    push @problems, "no frame offsets or disc length in the header";
  } else {
    my $n = 0;
    $n += digit_sum(int($_ / 75)) for @offsets;
    my $t = $length - int($offsets[0] / 75);
    my $id = sprintf('%08x', (($n % 255) << 24) | ($t << 8) | scalar(@offsets));
    push @problems, "DISCID " . $written->id . " but the offsets give $id" if $written->id ne $id;
    push @problems, scalar(@offsets) . " offsets for " . scalar(@frames - 1) . " tracks"
      if @offsets != @frames - 1;
  }

  my $body = $writtenBytes;
  push @problems, "does not end in PLAYORDER= without a line end" unless $body =~ s/\r\nPLAYORDER=\z/\r\n/;
  push @problems, "a line does not end in CR LF" if $body =~ /(?<!\r)\n/ || $body =~ /\r(?!\n)/;
  for my $line (split /\r\n/, $body) {
    next if $line =~ /^#/;
    my ($value) = $line =~ /^[A-Z]+\d*=(.*)$/;
    if (!defined $value) {
      push @problems, "line [$line] is no KEY=value";
    } elsif (length($value) > 69) {
      push @problems, "line [$line] holds more than 69 characters";
    }
  }
  if (@problems) {
    print "mismatch: ", join('; ', @problems), "\n";
    return 1;
  }
  print "ok\n";
  return 0;
}

my $command = shift @ARGV // '';
exit entry(@ARGV) if $command eq 'entry' && @ARGV == 1;
exit compare(@ARGV) if $command eq 'compare' && @ARGV == 2;
print STDERR "usage: xmcd_records.pl entry RECORD | compare RECORD WRITTEN\n";
exit 2;

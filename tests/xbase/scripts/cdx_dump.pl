#!/usr/bin/perl
# Prints every entry of one tag of a compound index as read by XBase::Index:
# "hex-of-key recno" for character tags, "number recno" for numeric ones.
# Usage: cdx_dump.pl FILE.cdx TAG C|N
use strict;
use warnings;
use XBase::Index;

my ($file, $tag, $type) = @ARGV;
die "usage: $0 file tag C|N\n" unless defined $type;
my $index = XBase::Index->new($file, 'tag' => $tag, 'type' => $type)
    or die "cannot open $file tag $tag: " . XBase::Index->errstr . "\n";
$index->prepare_select;
while (my ($key, $recno) = $index->fetch) {
    if ($type eq 'N') {
        printf "%.17g %d\n", $key, $recno;
    } else {
        printf "%s %d\n", unpack('H*', $key), $recno;
    }
}

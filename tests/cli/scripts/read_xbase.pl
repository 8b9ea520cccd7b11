#!/usr/bin/perl
# Reads a table and its compound index with Perl's XBase modules, for
# comparison with postcraft-cli.
#   read_xbase.pl records TABLE     records as `db dump --deleted` prints them
#   read_xbase.pl tags CDX          tag names, one per line
#   read_xbase.pl order CDX TAG [TYPE]
#                                   record numbers in the tag's stored order;
#                                   TYPE is the key's field type (C, N, D)
use strict;
use warnings;
use Encode qw(decode encode);
use JSON::PP;
use XBase;
use XBase::Index;

binmode STDOUT;
my $json = JSON::PP->new->allow_nonref;

sub text { return encode('UTF-8', $json->encode(decode('cp1252', $_[0]))); }

sub number {
    my ($v) = @_;
    return 'null' unless defined $v && $v =~ /\S/;
    my $n = $v + 0;
    return "$n";
}

my $mode = shift @ARGV or die "usage: read_xbase.pl records|tags|order ...\n";
if ($mode eq 'records') {
    my $table = XBase->new(name => $ARGV[0]) or die XBase->errstr;
    my @names = $table->field_names;
    my @types = $table->field_types;
    for my $i (0 .. $table->last_record) {
        my ($deleted, @values) = $table->get_record($i);
        my @parts = ('"_recno": ' . ($i + 1), '"_deleted": ' . ($deleted ? 'true' : 'false'));
        for my $k (0 .. $#names) {
            my ($t, $v) = ($types[$k], $values[$k]);
            my $out;
            if ($t eq 'N' || $t eq 'F') {
                $out = number($v);
            } elsif ($t eq 'L') {
                $out = !defined $v ? 'null' : $v ? 'true' : 'false';
            } else {
                $v = '' unless defined $v;
                $v =~ s/ +$// if $t eq 'C';
                $out = text($v);
            }
            push @parts, $json->encode(uc $names[$k]) . ': ' . $out;
        }
        print '{' . join(', ', @parts) . "}\n";
    }
} elsif ($mode eq 'tags') {
    my $index = XBase::Index->new($ARGV[0], type => 'C') or die XBase::Index->errstr;
    print "$_\n" for $index->tags;
} elsif ($mode eq 'order') {
    my $index = XBase::Index->new($ARGV[0], tag => $ARGV[1], type => $ARGV[2] // 'C')
        or die XBase::Index->errstr;
    $index->prepare_select;
    while (my ($key, $recno) = $index->fetch) {
        print "$recno\n";
    }
} else {
    die "unknown mode $mode\n";
}

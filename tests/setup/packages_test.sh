#!/usr/bin/env bash
# Every program that the program, the tests and the scripts start comes from a
# package that scripts/install-deps installs, or from the base system that
# every Debian machine has (dpkg priority "required"), so that a missing
# install step cannot hide behind a machine that happens to have the program.
# The programs are read from the sources: the commands of the shell scripts
# and of the Makefile's recipes, and the programs named in the C++ files that
# start programs. Where a program is installed, dpkg says which package it
# comes from, and the table below must agree. Needs no network.
set -euo pipefail
source_dir=$2

# PROGRAM PACKAGE: the package of install-deps that brings the program (it or
# one of its dependencies holds it); "-" for a program used only when present,
# with the reason.
table='
xdg-open        xdg-utils
xdg-mime        xdg-utils
gtk-launch      libgtk-3-bin
xdotool         xdotool
import          imagemagick
convert         imagemagick
compare         imagemagick
pdftotext       poppler-utils
pdfinfo         poppler-utils
pdffonts        poppler-utils
lp              cups
lpstat          cups
lpadmin         cups
cupsd           cups
Xvfb            xvfb
xvfb-run        xvfb
xauth           xauth
cmake           cmake
ctest           cmake
make            make
clang           clang
clang++         clang
g++             g++
file            file
apt-get         -    the installer itself, on every Debian machine
sudo            -    install-deps uses it only when not run as root
git             -    the set-up tests look at git ignore rules only in a git checkout
gedit           -    a text editor tried when the desktop names none
mousepad        -    a text editor tried when the desktop names none
xed             -    a text editor tried when the desktop names none
pluma           -    a text editor tried when the desktop names none
kwrite          -    a text editor tried when the desktop names none
leafpad         -    a text editor tried when the desktop names none
ar              -    not a program: a language code of the locale table
'

# The commands of shell text on standard input: the first word of each simple
# command (after assignments and keywords), and the program that a wrapper
# such as env, exec, command -v, setpriv, timeout or xvfb-run starts. Quoted
# text is left out, command substitutions and stand-in scripts written by
# here-documents are read as commands too.
shell_commands() {
    perl -e '
        local $/; my $s = <STDIN>; my @texts;
        my %wrapper = map { $_ => 1 } qw(env exec command sudo nohup timeout setpriv xvfb-run nice);
        my %skip = map { $_ => 1 } qw(if then else elif fi do done while until time in function Q);
        my %noargs = map { $_ => 1 } qw(for case select local export declare readonly unset);
        sub scan {    # one text: quotes become Q, $(...) is read apart
            my ($t) = @_; my ($out, $i, @heredocs) = ("", 0);
            while ($i < length $t) {
                my $c = substr($t, $i, 1); my $two = substr($t, $i, 2);
                if ($c eq "\\") { $out .= substr($t, $i + 1, 1) eq "\n" ? " " : "Q"; $i += 2; next }
                if ($c eq "\x27") {
                    my $j = index($t, "\x27", $i + 1); $j = length $t if $j < 0;
                    $i = $j + 1; $out .= "Q"; next;
                }
                if ($c eq "\"") {    # double quotes: only command substitutions count
                    $i++;
                    while ($i < length $t && substr($t, $i, 1) ne "\"") {
                        if (substr($t, $i, 1) eq "\\") { $i += 2; next }
                        if (substr($t, $i, 2) eq "\$(" && substr($t, $i + 2, 1) ne "(") {
                            ($i, my $inner) = sub_end($t, $i + 2); push @texts, $inner; next;
                        }
                        $i++;
                    }
                    $i++; $out .= "Q"; next;
                }
                if ($two eq "\$(" && substr($t, $i + 2, 1) ne "(") {
                    ($i, my $inner) = sub_end($t, $i + 2); push @texts, $inner; $out .= "Q"; next;
                }
                # Arithmetic holds no command; an array may hold one to run.
                if ($two eq "\$(" || $two eq "((") { ($i) = sub_end($t, $i + 2); $out .= "Q"; next }
                if ($c eq "(" && $out =~ /=$/) {
                    ($i, my $inner) = sub_end($t, $i + 1); push @texts, $inner; $out .= "Q"; next;
                }
                if ($c eq "#" && ($out eq "" || $out =~ /[\s;&|(]$/)) {
                    my $j = index($t, "\n", $i); $j = length $t if $j < 0; $i = $j; next;
                }
                if ($two eq "<<" && substr($t, $i) =~ /^<<(-?)\s*[\x27"]?(\w+)[\x27"]?/) {
                    push @heredocs, $2; $i += length $&; next;
                }
                if ($c eq "\n" && @heredocs) {    # the bodies follow this line
                    for my $word (@heredocs) {
                        my $rest = substr($t, $i + 1);
                        if ($rest =~ /^(.*?)^\s*\Q$word\E\s*$/ms) {
                            my ($body, $length) = ($1, length $&);
                            push @texts, $body if $body =~ /^#!/;
                            $i += 1 + $length;
                        }
                    }
                    @heredocs = (); $out .= "\n"; next;
                }
                $out .= $c; $i++;
            }
            return $out;
        }
        sub sub_end {    # the end of a $( ... ) that starts at $i, and its text
            my ($t, $i) = @_; my $start = $i; my $depth = 1;
            while ($i < length $t) {
                my $c = substr($t, $i, 1);
                if ($c eq "\\") { $i += 2; next }
                if ($c eq "\x27") { my $j = index($t, "\x27", $i + 1); $i = $j < 0 ? length $t : $j + 1; next }
                if ($c eq "\"") {
                    $i++;
                    while ($i < length $t && substr($t, $i, 1) ne "\"") {
                        if (substr($t, $i, 1) eq "\\") { $i++ }
                        elsif (substr($t, $i, 2) eq "\$(") { ($i) = sub_end($t, $i + 2); next }
                        $i++;
                    }
                    $i++; next;
                }
                $depth++ if $c eq "(";
                if ($c eq ")" && --$depth == 0) { return ($i + 1, substr($t, $start, $i - $start)) }
                $i++;
            }
            return ($i, substr($t, $start));
        }
        @texts = ($s);
        my %seen;
        while (@texts) {
            my $text = scan(shift @texts);
            $text =~ s/\d*(?:&>>?|>>?&?|<<<|<&?)\s*[^\s;|&()]*//g;    # redirections
            for my $segment (split /\n|;|&&|\|\||\||&|\(|\)|\{|\}|!/, $text) {
                my @words = split " ", $segment; my $after_wrapper = 0;
                while (@words) {
                    my $w = shift @words;
                    last if $noargs{$w};
                    next if $skip{$w} || $w =~ /^\w+(\[[^\]]*\])?\+?=/ || $w =~ /^-/ || $w =~ /^\d+$/ && $after_wrapper;
                    $w =~ s{^/(?:usr/)?s?bin/}{};
                    print "$w\n" if $w =~ /^[A-Za-z][\w.+-]*$/;
                    last unless $wrapper{$w};
                    $after_wrapper = 1;
                }
            }
        }'
}

# The words that start the string literals of the C++ files that start
# programs, and of the project's files whose headers they include.
cxx_names() {
    local file header
    grep -rlE --include='*.cpp' --include='*.h' --exclude-dir=build \
        'wxExecute|posix_spawn|\bexec[lv]p?e?\(|\bpopen\(|\bsystem\(' "$source_dir" |
        while read -r file; do
            echo "$file"
            for header in $(sed -n 's/^#include "\(.*\)\.h"$/\1/p' "$file"); do
                ls "$source_dir/$header".h "$source_dir/$header".cpp 2>/dev/null || true
            done
        done | sort -u | xargs -r cat | grep -oE '"[A-Za-z][A-Za-z0-9.+_-]*[" ]' | tr -d '" ' || true
}

shell=$(
    for f in "$source_dir"/scripts/* "$source_dir"/.ci/run "$source_dir"/tests/*/*.sh; do
        [ -f "$f" ] && shell_commands <"$f"
    done
    # The Makefile's recipes, its variables left out.
    sed -n 's/^\t@\{0,1\}//p' "$source_dir/Makefile" | sed 's/\$(shell \([^)]*\))/$(\1)/g; s/\$([A-Z_]*)/Q/g; s/\$\$/$/g' |
        shell_commands
)
cxx=$(cxx_names)

# The packages install-deps installs.
deps=" $(sed -n '/^packages=(/,/^)/p' "$source_dir/scripts/install-deps" | sed '1d;$d;s/#.*//' | tr -s ' \n' ' ') "

builtins=" $(compgen -b -k | tr '\n' ' ') "
functions=" $(cat "$source_dir"/tests/*/*.sh "$source_dir"/scripts/* | grep -oE '^\s*[A-Za-z_][A-Za-z0-9_]*\(\)' | tr -d ' ()' | tr '\n' ' ') "

# The file of a program in the system's folders, its links followed.
installed() {
    local dir
    for dir in /usr/bin /usr/sbin /bin /sbin; do
        [ -x "$dir/$1" ] && { readlink -f "$dir/$1"; return 0; }
    done
    return 1
}

# The package that holds a file (dpkg knows some files of a merged /usr by their old name).
owner() {
    dpkg -S "$1" 2>/dev/null | head -1 | cut -d: -f1 && return 0
    dpkg -S "${1#/usr}" 2>/dev/null | head -1 | cut -d: -f1
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
checked=0
for program in $(printf '%s\n' $shell $cxx | sort -u); do
    case "$builtins$functions" in *" $program "*) continue ;; esac
    entry=$(awk -v p="$program" '$1 == p { print $2 }' <<<"$table")
    path=$(installed "$program") || path=""
    # A word of a C++ literal is a program only when it is one here or in the table.
    if [ -z "$entry" ] && [ -z "$path" ]; then continue; fi
    checked=$((checked + 1))
    from=""
    [ -n "$path" ] && from=$(owner "$path")
    if [ -z "$entry" ]; then
        if [ -z "$from" ]; then
            fail "$program ($path) comes from no package: add it to the table here and its package to install-deps"
        elif [ "$(dpkg-query -W -f='${Priority}' "$from" 2>/dev/null)" != required ]; then
            fail "$program comes from $from: name it in the table here, and the package in install-deps"
        fi
        continue
    fi
    [ "$entry" = "-" ] && continue
    case "$deps" in *" $entry "*) ;; *) fail "$program: install-deps does not install $entry"; continue ;; esac
    if [ -n "$from" ] && [ "$from" != "$entry" ]; then
        depends=" $(dpkg-query -W -f='${Depends}, ${Pre-Depends}' "$entry" 2>/dev/null | sed 's/([^)]*)//g; s/[,|]/ /g' | tr -s ' ') "
        case "$depends" in *" $from "* | *" $from:"*) ;; *) fail "$program comes from $from here, which $entry does not bring" ;; esac
    elif [ -n "$path" ] && [ -z "$from" ]; then
        fail "$program ($path) comes from no package here, where the table says $entry"
    fi
done
[ "$checked" -gt 10 ] || fail "only $checked programs found in the sources: the scan is broken"
[ "$failures" -eq 0 ] || exit 1
echo "$checked programs, each from a package that install-deps installs or from the base system"

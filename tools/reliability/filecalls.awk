# Reads strace -k traces of file calls and prints one line per call of interest, tab-separated:
# who asked (the innermost caller outside the C and C++ runtimes: a library, or "velmora" for
# the program's own code), what the call does, the call, the file names, and whether it was
# done or failed. What a call does:
#   writes    creates, changes or removes a file, or opens one for writing
#   reads     opens a file whose name mentions Velmora (other than the program itself)
#   starts    runs a program (the traced program's own start aside)
#   consults  opens any other file outside the system's libraries, /proc, /sys and /dev; the
#             name given is the file's folder
# Variables: velmora (the program's path), home and runtime (shown as $HOME and
# $XDG_RUNTIME_DIR).

BEGIN {
    changing = "^(creat|mkdir|mkdirat|mknod|mknodat|rename|renameat|renameat2|link|linkat|" \
               "symlink|symlinkat|unlink|unlinkat|rmdir|truncate|chmod|fchmodat|chown|lchown|" \
               "fchownat|utime|utimes|utimensat|futimesat)$"
}

function report(   kind, names, rest) {
    if (call == "")
        return
    kind = ""
    if (name ~ /^(open|openat|openat2)$/) {
        if (flags ~ /O_CREAT|O_WRONLY|O_RDWR|O_TRUNC|O_APPEND/)
            kind = "writes"
        else if (tolower(path) ~ /velmora/ && path != velmora)
            kind = "reads"
        else if (result !~ /^-1/ && path !~ /^\/(usr\/lib|lib|proc|sys|dev)\//)
            kind = "consults"
    } else if (name ~ /^execve/) {
        if (path != velmora)
            kind = "starts"
    } else if (name ~ changing)
        kind = "writes"
    # Devices are opened for reading and writing alike; a file in shared memory is a file.
    if (kind == "" || (path ~ /^\/dev\// && path !~ /^\/dev\/shm\//)) {
        call = ""
        return
    }
    if (kind == "consults") {
        names = path
        sub(/\/[^\/]*$/, "", names)
    } else if (kind == "starts") {
        names = path
    } else {
        names = ""
        rest = call
        while (match(rest, /"[^"]*"/)) {
            names = names (names == "" ? "" : " -> ") substr(rest, RSTART + 1, RLENGTH - 2)
            rest = substr(rest, RSTART + RLENGTH)
        }
    }
    gsub(home, "$HOME", names)
    gsub(runtime, "$XDG_RUNTIME_DIR", names)
    # Hashes and numbers in names (caches, process ids) would make each call a line of its own.
    gsub(/[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]+/, "*", names)
    gsub(/[0-9][0-9][0-9][0-9]+/, "*", names)
    print (caller == "" ? "?" : caller) "\t" kind "\t" name "\t" names "\t" \
          (result ~ /^-1/ ? "failed" : "done")
    call = ""
}

/^[a-z0-9_]+\(/ {
    report()
    call = $0
    name = substr($0, 1, index($0, "(") - 1)
    caller = ""
    path = call
    sub(/^[^"]*"/, "", path)
    sub(/".*/, "", path)
    flags = call
    sub(/\) += .*/, "", flags)
    result = call
    sub(/.*\) += /, "", result)
    next
}

/^ > / && caller == "" && call != "" {
    object = $2
    sub(/\(.*/, "", object)
    if (object !~ /\/(libc\.so|ld-linux|libstdc\+\+\.so|libgcc_s\.so|libpthread\.so)/) {
        caller = object == velmora ? "velmora" : object
        sub(/.*\//, "", caller)
        sub(/\.so.*/, ".so", caller)
    }
}

END { report() }

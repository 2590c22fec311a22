#!/usr/bin/python3
"""The Depends of a Debian package cover the shared libraries its programs load, on this machine:
a library a program links to itself (NEEDED) comes from a package that Depends names, as Debian
asks; every library the loader reads for it (ldd) from a package that Depends brings in, itself
or through the dependencies of the installed packages. Prints one line per fault, exit 1 if any.
Usage: package_depends.py CONTROL-FILE PROGRAM..."""
import os
import re
import subprocess
import sys


def field(control, name):
    """The value of one field of a control file, its continuation lines joined."""
    value, inside = [], False
    for line in control.splitlines():
        if line[:1] in (" ", "\t") and inside:
            value.append(line.strip())
        else:
            inside = line.lower().startswith(name.lower() + ":")
            if inside:
                value.append(line.split(":", 1)[1].strip())
    return " ".join(value)


def package_names(relations):
    """Every package a relation field names, alternatives included, without versions or arch."""
    names = set()
    for alternative in re.split(r"[,|]", relations):
        m = re.match(r"\s*([a-z0-9][a-z0-9+.-]+)", alternative)
        if m:
            names.add(m.group(1))
    return names


def installed_relations():
    """Per installed package, the packages it depends on, and per virtual name its providers."""
    out = subprocess.run(["dpkg-query", "-W", "-f", "${Package}\t${Depends}, ${Pre-Depends}\t${Provides}\n"],
                         capture_output=True, text=True, check=True).stdout
    depends, providers = {}, {}
    for line in out.splitlines():
        package, needs, provides = line.split("\t")
        depends[package] = package_names(needs)
        for virtual in package_names(provides):
            providers.setdefault(virtual, set()).add(package)
    return depends, providers


def closure(names):
    """The packages the names bring in on this machine."""
    depends, providers = installed_relations()
    seen, todo = set(), list(names)
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        todo.extend(depends.get(name, ()))
        todo.extend(providers.get(name, ()))
    return seen


def loaded_libraries(program):
    """The libraries the loader finds for a program (soname -> path), and those it cannot find."""
    out = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
    found, missing = {}, []
    for line in out.splitlines():
        m = re.match(r"\s*(\S+) => (.+?) \(0x", line)
        if m:
            found[m.group(1)] = m.group(2)
        elif "not found" in line:
            missing.append(line.split()[0])
    return found, missing


def needed(program):
    """The sonames a program links to itself."""
    out = subprocess.run(["readelf", "-d", program], capture_output=True, text=True, check=True).stdout
    return re.findall(r"\(NEEDED\)\s+Shared library: \[(.+?)\]", out)


def candidates(path):
    """The paths dpkg may know a library file by: on a merged /usr, the /lib or the /usr/lib one."""
    paths = {path, os.path.realpath(path)}
    paths |= {"/usr" + p for p in paths if p.startswith("/lib")}
    return paths | {p[4:] for p in paths if p.startswith("/usr/lib")}


def owners(paths):
    """The package that installed each library file (None when no package did), in one query."""
    asked = sorted(set().union(*(candidates(p) for p in paths))) if paths else []
    out = subprocess.run(["dpkg-query", "-S"] + asked, capture_output=True, text=True).stdout
    package_of = {}
    for line in out.splitlines():
        package, listed = line.split(": ", 1)
        package_of[listed] = package.split(":")[0]
    return {p: next((package_of[c] for c in sorted(candidates(p)) if c in package_of), None) for p in paths}


def faults(control, programs):
    declared = package_names(field(control, "Depends") + "," + field(control, "Pre-Depends"))
    brought = closure(declared)
    result = []
    for program in programs:
        name = os.path.basename(program)
        found, missing = loaded_libraries(program)
        direct = needed(program)
        package_of = owners(list(found.values()))
        result += ["%s: %s is not found on this machine" % (name, lib) for lib in missing]
        for soname, path in found.items():
            package = package_of[path]
            if package is None:
                result.append("%s: %s (%s) belongs to no package" % (name, soname, path))
            elif soname in direct and package not in declared:
                result.append("%s: %s comes from %s, which Depends does not name" % (name, soname, package))
            elif package not in brought:
                result.append("%s: %s comes from %s, which Depends does not bring in" % (name, soname, package))
    return result


if __name__ == "__main__":
    with open(sys.argv[1], encoding="utf-8") as f:
        found = faults(f.read(), sys.argv[2:])
    for fault in found:
        print(fault)
    sys.exit(1 if found else 0)

"""Parses, with a T-SQL parser, every SQL Server output that
grava_saidas_tsql wrote, and fails on any that does not parse; a case
marked as not T-SQL (a fragment of a statement, a text a rule breaks as it
must) must not parse either, so that no mark outlives its reason.

    python3 ConfereTSQL.py OUTPUTS
"""
import sys

try:
    import sqlglot
    from sqlglot.errors import ErrorLevel
except ImportError:
    sys.exit("the T-SQL parser is missing: scripts/setup.sh installs it (Debian package python3-sqlglot)")

SHOWN = 20  # failures shown in full


def cases(path):
    """(name, reason it is not T-SQL or None, output) for each case of the file."""
    with open(path, "rb") as f:
        lines = f.read().decode("utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) % 2 or not lines:
        sys.exit(f"{path}: expected pairs of lines, got {len(lines)} lines")
    for header, output in zip(lines[0::2], lines[1::2]):
        if not header.startswith("#"):
            sys.exit(f"{path}: a case header must begin with '#': {header!r}")
        name, _, reason = header[1:].partition("\t")
        yield name, reason or None, output


def parse_error(sql):
    """Why sql is not one T-SQL statement; None when it is."""
    try:
        trees = sqlglot.parse(sql, read="tsql", error_level=ErrorLevel.RAISE)
    except sqlglot.errors.SqlglotError as error:
        return str(error).splitlines()[0]
    if len(trees) != 1 or trees[0] is None:
        return f"{len(trees)} statements"
    return None


def main(path):
    failures = []
    total = 0
    for name, reason, output in cases(path):
        total += 1
        error = parse_error(output)
        if reason is None and error:
            failures.append(f"does not parse ({error}):\n  case:   {name}\n  output: {output}")
        elif reason is not None and not error:
            failures.append(f"marked '{reason}' but parses:\n  case:   {name}\n  output: {output}")
    for failure in failures[:SHOWN]:
        print(failure)
    print(f"{total} SQL Server outputs, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: ConfereTSQL.py OUTPUTS")
    sys.exit(main(sys.argv[1]))

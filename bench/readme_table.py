"""Writes the medians of the benchmark results (Google Benchmark JSON files) with their goals
into the table between the benchmark markers of README.md.

    readme_table.py README MACHINE REPETITIONS RESULT.json...
"""
import json
import sys

BEGIN = "<!-- benchmark table: written by bench/run -->"
END = "<!-- end of the benchmark table -->"

# Benchmark, what it measures, and its goal: a time in seconds or, with a counter, the limit of
# that counter.
GOALS = [
    ("BM_CalculateDefaultCase", "Calculate, default case", 0.3e-6, None),
    ("BM_CalculateGeneratedWall", "Calculate, one of 600 generated walls", 0.3e-6, None),
    ("BM_SheetTextDefaultCase", "clipboard text, default case", 10e-6, None),
    ("BM_SheetTextGeneratedWall", "clipboard text, one of 600 generated walls", None, None),
    ("BM_BuildCaseTable", "case overview of 50 walls", None, None),
    ("BM_WriteCsvAndJson", "case overview of 50 walls as CSV and JSON", None, None),
    ("BM_DrawSheetFullImage", "DrawSheet, 1000 x 2500 image at 96 dpi", 2e-3, None),
    ("BM_RepaintWindowView", "repaint of the view of the 1150 x 900 window", 1e-3, None),
    ("BM_OpenDocumentOf10000Cases", "open a document of 10,000 cases", 20e-3, None),
    ("BM_SaveDocumentOf10000Cases", "save a document of 10,000 cases", 20e-3, None),
    ("BM_CliPdfOf100MarkedCases", "tarvo-cli pdf of 100 marked cases", 1.0, None),
    ("BM_DesktopStartToFirstPaint", "desktop start to first painted window", 0.3, None),
    ("BM_DesktopHolding10000Cases", "desktop holding 10,000 cases: resident MB", 150, "resident_MB"),
]

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def seconds_text(value, digits=3):
    """A time in the largest unit that keeps it at 1 or more, to the given significant digits."""
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("µs", 1e-6), ("ns", 1e-9)):
        if value >= scale or unit == "ns":
            rounded = float(f"{value / scale:.{digits}g}")
            return f"{rounded:g} {unit}"
    return str(value)


def medians(paths):
    found = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("aggregate_name") != "median":
                    continue
                name = b["run_name"].split("/")[0]
                scale = UNITS[b["time_unit"]]
                manual = "manual_time" in b["run_name"]
                found[name] = {
                    "real": b["real_time"] * scale,
                    "cpu": None if manual else b["cpu_time"] * scale,
                    "counters": b,
                }
    return found


def table(machine, repetitions, found):
    rows = [
        BEGIN,
        "",
        f"Medians of {repetitions} repetitions on {machine}.",
        "The processor time is the benchmark's own; on a machine busy with other work the real",
        "time also holds the waits for a core. The programs started as new processes are timed",
        "in real time only.",
        "",
        "| benchmark | what | median (real) | median (processor) | goal | met (real) | met (processor) |",
        "|---|---|---|---|---|---|---|",
    ]
    for name, what, goal, counter in GOALS:
        if name not in found:
            continue
        m = found[name]
        met_cpu = "—"
        if counter is None:
            value = seconds_text(m["real"])
            cpu = seconds_text(m["cpu"]) if m["cpu"] is not None else "—"
            goal_text = f"under {seconds_text(goal, 2)}" if goal is not None else "—"
            met = "—" if goal is None else ("yes" if m["real"] < goal else "no")
            if goal is not None and m["cpu"] is not None:
                met_cpu = "yes" if m["cpu"] < goal else "no"
        else:
            amount = m["counters"][counter]
            value = f"{amount:.1f} MB"
            cpu = "—"
            goal_text = f"under {goal} MB"
            met = "yes" if amount < goal else "no"
        rows.append(f"| `{name}` | {what} | {value} | {cpu} | {goal_text} | {met} | {met_cpu} |")
    rows += ["", END]
    return "\n".join(rows)


def main():
    readme, machine, repetitions, *paths = sys.argv[1:]
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    start, end = text.find(BEGIN), text.find(END)
    if start < 0 or end < start:
        sys.exit(f"{readme}: the benchmark table markers are missing")
    text = text[:start] + table(machine, repetitions, medians(paths)) + text[end + len(END):]
    with open(readme, "w", encoding="utf-8") as f:
        f.write(text)


main()

#!/usr/bin/env python3
"""Reads the JSON files the benchmark programs wrote (one per program) and prints one Markdown table: each
figure with our result, its baseline measured in the same run, the ratio, the goal and whether it is met.

Results are medians over the repetitions (Google Benchmark's "median" aggregates). A program that was not
built or run leaves its rows as "not run"; benchmarks that no figure below names are listed as "info" rows,
so that nothing measured goes unseen.
"""

import json
import os
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}

# How each figure is read:
#   kind "time": median time in ms; "time_ns": in ns; "rate": items per second; "per_object": ns per object
#   (time / the "objects" counter); "counter:NAME": a user counter.
# goal: (what, op, value): what is "ours" or "ratio" (ours / baseline); op "<=" or ">="; None: reported only.
FIGURES = [
    ("Page switch 1 -> 2, 600 views, typed to painted (ms)", "kv380_bench_tabs",
     "BM_PageSwitch", "BM_BareTabBarRebuild", "time", ("ratio", "<=", 1.5), "<= 1.5x bare QTabBar rebuild"),
    ("Choosing an organisation of 600 views, to painted (ms)", "kv380_bench_tabs",
     "BM_ChooseOrganisation", "BM_BareTabBarRebuild", "time", ("ratio", "<=", 1.5),
     "<= 1.5x bare QTabBar rebuild"),
    ("Headless list, 100,000 objects, host's call log off (ms)", "kv380_bench_list",
     "BM_ListHeadless/100000", None, "time", ("ours", "<=", 50.0), "<= 50 ms"),
    ("Headless list, ns per object at 1M; baseline: at 10k", "kv380_bench_list",
     "BM_ListHeadless/1000000", "BM_ListHeadless/10000", "per_object", ("ratio", "<=", 2.0),
     "linear: <= 2x (quadratic: 100x)"),
    ("Reading the host objects alone, ns per object at 1M; baseline: at 10k", "kv380_bench_list",
     "BM_ReadHostObjects/1000000", "BM_ReadHostObjects/10000", "per_object", None, "reported"),
    ("Qt list, 100,000 objects, to painted (ms); baseline QListWidget item by item", "kv380_bench_list",
     "BM_ListQt", "BM_PlainListWidget", "time", ("ratio", "<=", 0.1), ">= 10x faster (ratio <= 0.1)"),
    ("Qt list as above, an item icon source installed (ms); baseline QListWidget", "kv380_bench_list",
     "BM_ListQtWithIcons", "BM_PlainListWidget", "time", ("ratio", "<=", 0.1), ">= 10x faster (ratio <= 0.1)"),
    ("Heap per 100,000 listed objects, headless (MB)", "kv380_bench_list",
     "BM_ListHeadless/100000", None, "counter:heap_MB_per_100k", None, "reported"),
    ("Heap per 100,000 listed objects, Qt (MB); baseline QListWidget", "kv380_bench_list",
     "BM_ListQt", "BM_PlainListWidget", "counter:heap_MB_per_100k", None, "reported"),
    ("Filter match, 1M pairs, pattern compiled once (ns); baseline glibc fnmatch", "kv380_bench_wildcard",
     "BM_CompiledOnce", "BM_Fnmatch", "time_ns", ("ratio", "<=", 1.5), "<= 1.5x fnmatch"),
    ("Settings reads of a number per second; baseline raw SQLite", "kv380_bench_settings",
     "BM_SettingsReadLong", "BM_RawSqliteRead", "rate", ("ours", ">=", 100000.0), ">= 100k/s"),
    ("Settings reads of a text per second; baseline raw SQLite", "kv380_bench_settings",
     "BM_SettingsReadText", "BM_RawSqliteRead", "rate", ("ours", ">=", 100000.0), ">= 100k/s"),
    ("Settings writes per second; baseline raw SQLite", "kv380_bench_settings",
     "BM_SettingsWriteLong", "BM_RawSqliteWrite", "rate", ("ours", ">=", 20000.0), ">= 20k/s"),
    ("Symbol paths, 10,000 of them 200 by name only, one pass (ms); baseline a walk per name",
     "kv380_bench_symbols", "BM_ConvertIndexedPerPass", "BM_ConvertWalkingPerSymbol", "time", None,
     "reported"),
]


def base_name(run_name):
    """The benchmark's name and arguments, without the settings Google Benchmark appends (iterations:2,
    min_time:..., manual_time)."""
    parts = [p for p in run_name.split("/") if ":" not in p and p not in ("manual_time", "real_time")]
    return "/".join(parts)


def load(paths):
    """program -> {"results": {benchmark: entry}, "context": {...}}"""
    programs = {}
    for path in paths:
        program = os.path.splitext(os.path.basename(path))[0]
        try:
            with open(path, encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, ValueError) as e:
            print(f"{path}: unreadable ({e})", file=sys.stderr)
            continue
        medians, singles = {}, {}
        for entry in data.get("benchmarks", []):
            name = base_name(entry.get("run_name", entry["name"]))
            if entry.get("run_type") == "aggregate":
                if entry.get("aggregate_name") == "median":
                    medians[name] = entry
            elif "error_occurred" not in entry:
                singles.setdefault(name, entry)
        programs[program] = {"results": {**singles, **medians}, "context": data.get("context", {})}
    return programs


def value(results, name, kind):
    entry = results.get(name) if name else None
    if entry is None:
        return None
    unit_ms = UNIT_MS[entry.get("time_unit", "ns")]
    if kind == "time":
        return entry["real_time"] * unit_ms
    if kind == "time_ns":
        return entry["real_time"] * unit_ms * 1e6
    if kind == "rate":
        return entry.get("items_per_second")
    if kind == "per_object":
        objects = entry.get("objects")
        return entry["real_time"] * unit_ms * 1e6 / objects if objects else None
    if kind.startswith("counter:"):
        return entry.get(kind.split(":", 1)[1])
    raise ValueError(kind)


def fmt(number):
    if number is None:
        return "-"
    if abs(number) >= 10000:
        return f"{number:,.0f}"
    if abs(number) >= 100:
        return f"{number:.0f}"
    if abs(number) >= 10:
        return f"{number:.1f}"
    return f"{number:.3g}"


def main(paths):
    programs = load(paths)
    rows = []
    claimed = set()
    for figure, program, ours_name, base, kind, goal, goal_text in FIGURES:
        claimed.update((program, name) for name in (ours_name, base) if name)
        if program not in programs:
            rows.append((figure, "-", "-", "-", goal_text, "not run"))
            continue
        results = programs[program]["results"]
        ours = value(results, ours_name, kind)
        baseline = value(results, base, kind)
        ratio = ours / baseline if ours is not None and baseline else None
        if ours is None or (base and baseline is None):
            status = "missing"
        elif goal is None:
            status = "info"
        else:
            what, op, limit = goal
            measured = ratio if what == "ratio" else ours
            met = measured <= limit if op == "<=" else measured >= limit
            status = "pass" if met else "MISS"
        rows.append((figure, fmt(ours), fmt(baseline), fmt(ratio) if ratio is not None else "-", goal_text,
                     status))
    for program, data in sorted(programs.items()):
        for name, entry in sorted(data["results"].items()):
            if (program, name) not in claimed:
                ms = value(data["results"], name, "time")
                shown, unit = (ms * 1e6, "ns") if ms is not None and ms < 0.01 else (ms, "ms")
                rows.append((f"{program}: {name} ({unit})", fmt(shown), "-", "-", "-", "info"))

    print("| figure | ours | baseline | ratio | goal | result |")
    print("|---|---:|---:|---:|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")

    loads = []
    for program, data in sorted(programs.items()):
        context = data["context"]
        load_avg = context.get("load_avg")
        if load_avg:
            loads.append((program, load_avg[0], context.get("num_cpus", 0)))
    if loads:
        cpus = max(c for _, _, c in loads) or 1
        worst = max(l for _, l, _ in loads)
        note = "under load" if worst > 0.5 * cpus else "quiet machine"
        print()
        print(f"Load average (1 min) at each program's start: "
              + ", ".join(f"{p} {l:.2f}" for p, l, _ in loads)
              + f" on {cpus} cores ({note}). Ratios compare runs of the same program, taken minutes apart "
              "at most.")


if __name__ == "__main__":
    main(sys.argv[1:])

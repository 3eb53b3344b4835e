"""What the tabulation peers share: the shape of the answers tabulation_bench
exports, and the timing and printing of a tabulation."""
import time

QUESTIONS, CHOICES, SLOTS, CROSS_COLUMNS = 100, 10, 3, 5
CHECKED = (1, 50, 100)


def timed(work, answers):
    """The mean time of three runs of work(answers), and its result."""
    times = []
    for _ in range(3):
        start = time.perf_counter()
        result = work(answers)
        times.append(time.perf_counter() - start)
    return sum(times) / len(times), result


def report(tabulate, tabulate_cross, answers):
    """Times both jobs and prints their times and the checksum lines
    tabulation_bench prints. Each job gives, per column, a table of
    question -> (base, counts of choices 0 to 10)."""
    for name, work in (("one", tabulate), ("cross", tabulate_cross)):
        seconds, columns = timed(work, answers)
        print(f"time {name} {seconds:.3f}")
        for number, tables in enumerate(columns, 1):
            for q in CHECKED:
                base, counts = tables[q]
                print(f"checksum {name} {number} q{q} {base} " + " ".join(map(str, counts)))

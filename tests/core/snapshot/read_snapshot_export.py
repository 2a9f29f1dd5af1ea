"""Reads a snapshot export with Python's csv module, as a spreadsheet program would, and checks
that its blocks and columns survive labels holding commas, quotes and line breaks.

Usage: read_snapshot_export.py CORE_TESTS_EXECUTABLE
"""
import csv
import os
import subprocess
import sys
import tempfile

TEST = "SnapshotExportTest.LabelRowsKeepTheirColumns"
LABELS = ["Low", "Mid, dim", 'say "hi"', "two\r\nlines"]
MAGNIFICATIONS = ["10X", "40X"]


def main():
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "snapshot.csv")
        env = dict(os.environ, VARDEN_SNAPSHOT_EXPORT_OUT=path)
        subprocess.run([sys.argv[1], "--gtest_filter=" + TEST], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        with open(path, newline="", encoding="latin-1") as f:
            rows = list(csv.reader(f))

    assert rows[0] == ["Irvel Calibration Due Date: 01/02/03"], rows[0]
    blocks = {}
    i = 1
    while i < len(rows):
        (title,) = rows[i]
        assert title.endswith("nm Filter Set"), title
        header = rows[i + 1]
        assert header == ["Intensity %"] + MAGNIFICATIONS + [""], header
        data = rows[i + 2:i + 2 + len(LABELS)]
        for row in data:
            # The label, one value per magnification, and the empty field after the last comma.
            assert len(row) == len(header), row
            assert row[-1] == "", row
            [float(value) for value in row[1:-1]]
        assert [row[0] for row in data] == LABELS, data
        blocks[int(title.split("nm")[0])] = data
        i += 2 + len(LABELS)

    assert sorted(blocks) == [405, 488], blocks.keys()
    assert float(blocks[405][0][1]) == 1.0
    assert float(blocks[488][3][2]) == 12.5
    print("snapshot export: %d blocks of %d rows read back" % (len(blocks), len(LABELS)))


if __name__ == "__main__":
    main()

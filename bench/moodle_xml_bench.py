#!/usr/bin/env python3
"""Imports a generated Moodle XML export of about 10 MB with bench_import.

Writes a file of multiple choice, matching and skipped questions with HTML
in CDATA (the mix a real export has) and runs bench_import on it, which
prints how much the peak memory grew against the file's size and the
median time of the import, then its CSV benchmarks.

    bench/moodle_xml_bench.py build-bench/bin/bench_import [MEGABYTES]
"""
import os
import subprocess
import sys
import tempfile


def question(i):
    kind = i % 4
    if kind == 3:
        return (f'  <question type="truefalse">\n    <name><text>TF {i}</text></name>\n'
                f'    <questiontext format="html"><text>Statement {i} is true.</text>'
                f'</questiontext>\n    <answer fraction="100"><text>true</text></answer>\n'
                f'  </question>\n')
    if kind == 2:
        subs = ''.join(
            f'    <subquestion format="html"><text><![CDATA[<p>Term {i}-{k}</p>]]></text>'
            f'<answer><text>Definition {i}-{k}</text></answer></subquestion>\n'
            for k in range(4))
        return (f'  <question type="matching">\n    <name><text>Match {i}</text></name>\n'
                f'    <questiontext format="html"><text>Match them.</text></questiontext>\n'
                f'{subs}  </question>\n')
    answers = ''.join(
        f'    <answer fraction="{100 if k == 0 else 0}" format="html">'
        f'<text><![CDATA[<p>Answer {k} of question {i} &amp; more</p>]]></text>'
        f'<feedback format="html"><text>Feedback {k}</text></feedback></answer>\n'
        for k in range(5))
    return (f'  <question type="multichoice">\n    <name><text>Question {i}</text></name>\n'
            f'    <questiontext format="html"><text><![CDATA[<p dir="ltr">What is '
            f'<b>item {i}</b>?<br><img src="@@PLUGINFILE@@/p{i}.png"></p>]]></text>'
            f'</questiontext>\n{answers}    <single>true</single>\n  </question>\n')


def main():
    exe = sys.argv[1]
    megabytes = float(sys.argv[2]) if len(sys.argv) > 2 else 10
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, 'export.xml')
        with open(path, 'w', encoding='utf-8') as out:
            out.write('<?xml version="1.0" encoding="UTF-8"?>\n<quiz>\n')
            written, i = 0, 0
            while written < megabytes * 1_000_000:
                text = question(i)
                out.write(text)
                written += len(text)
                i += 1
            out.write('</quiz>\n')
        subprocess.run([exe, path], check=True)


if __name__ == '__main__':
    main()

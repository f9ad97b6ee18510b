#!/usr/bin/env python3
"""Computes, apart from the engine, what a default run gives for a fixed
calendar time: the wheel numbers of its first session and the text of the
final-balance list. KnownAnswerTest.cpp holds what this prints.

Usage: known_answer.py [calendar_time]   (default 1000)
"""
import sys

RED = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}
BET_AFTER_WINS = [2, 5, 11, 23, 47, 95, 191, 382, 765, 1531, 3063]


class Lcg:
    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF


def spin(gen):
    while True:
        n = gen.next() % 51
        if n < 37:
            return n


def main():
    calendar_time = int(sys.argv[1]) if len(sys.argv) > 1 else 1000
    # Defaults: capital 500, max 550, min 0, 500 games, table limit 1000
    # (stored 1001), wager limit 100000, 10 sessions, first bet 1; betting
    # black, first bet again after a loss and at the table limit.
    gen = Lcg(calendar_time + 5)
    wins = losses = 0
    results = ""
    first_numbers = []
    for session in range(10, 0, -1):
        gen.next()  # the poll tick that starts the session shows a status value
        bet, balance, turnover = 1, 500, 0
        for game in range(1, 501):
            turnover += bet
            if turnover > 100000 or balance < bet or bet > 1001:
                break
            n = spin(gen)
            if session == 10 and len(first_numbers) < 20:
                first_numbers.append(n)
            if n != 0 and n not in RED:
                losses, wins = 0, wins + 1
                balance += bet
                if wins <= 11:
                    bet = BET_AFTER_WINS[wins - 1]
            else:
                wins, losses = 0, losses + 1
                balance -= bet
                bet = 1
            bet = max(bet, 1)
            if bet >= 1001:
                bet = 1
            if not (balance >= bet and 0 < balance < 550):
                break
        results += "%6d.%4d ||" % (session, balance)
        if session % 5 == 0:
            results += "\n"
    print("numbers:", ", ".join(str(n) for n in first_numbers))
    print("results:", repr(results))


main()

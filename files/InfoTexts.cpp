#include "files/InfoTexts.h"

namespace InfoTexts {

#define VANTREL_SPONSOR_HOST "www.tarnholm.example"

const char kInfoCaption[] = "program-info";
const char kSponsorHost[] = VANTREL_SPONSOR_HOST;
const char kSponsorPage[] = "https://" VANTREL_SPONSOR_HOST "/english/";
const char kInfoNotice[] = "Vantrel V" VANTREL_VERSION
                           " - a simulator for betting systems on the colour bet of roulette\n" VANTREL_SPONSOR_HOST
                           "\nsite in English and German language";

#undef VANTREL_SPONSOR_HOST

const char kHelpFont[] = "8.Courier New";

const char kHelpText[] =
    "Following is a little explanation of each parameter.\n"
    "capital - what the name says ... \n"
    "max.balance - at the maximum border the simulation stops \n"
    "table limit - limits the maximum bet per game, with this parameter you adjust at which amount of bets the "
    "simulation is supposed to either start over with the first bet or stop (checking box) \n"
    "games/session - so many games are played each session at the most (you need less ... for that) \n"
    "min.balance - if you don't want a total lost you can adjust a minimum border with this, which stops the "
    "simulation if the balance goes under that border \n"
    "delay - amount in ms, adjust to set time to watch \n"
    "sessions - the simulation is played till it reaches a limit that many times, as this function is set \n"
    "min wager - if you play a bonus promotion from a casino (link is on the top left :) ), you need to bet a "
    "certainamount of money most of the time ... just type in and the simulation stops when the amount is reached. If "
    "you don't mind that function just type in a million \n"
    "first bet - well, what it says \n"
    "Those checking boxes should explain themselves \n"
    "bet after win - if the checking box is active the first bet is bet after a winning, otherwise the program uses "
    "the stated bets starting with the '1x at first win' field \n"
    "bet after lost - analogically to bet after win... \n"
    "start & stop - the first one is obvious ... with stop the following session is quit and the program stopped \n"
    "result of sessions - here you can see all results, is also able to be scrolled during program session \n"
    "save & load - with save a text file is made at any spot, in which all the parameters and results are saved. This "
    "file can be viewed at with each type of notepad. There is also a roul_dat.dat file saved in the program's "
    "directory which includes all the parameters. This file can be used again with the load function. \n"
    "reset - all the values are standard values again...";

}  // namespace InfoTexts

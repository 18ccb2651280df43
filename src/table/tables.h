// The table window, on which the whole game runs: the ten seats and their
// controls, the table's variables, the deck, the hand cycle and the
// simulated tournament field. Its procedures are spread over the files of
// src/table (and, for the betting's services, src/betting) by job.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/app.h"
#include "table/control_array.h"
#include "table/table_state.h"

namespace kestrin {

class settings;

class tables : public plat::Form {
public:
    explicit tables(plat::App& app);

    // The window's own handlers.
    void onLoad() override;                                             // Form_Load
    void onKeyDown(std::int16_t keyCode, std::int16_t shift) override;  // Form_KeyDown
    void onClose() override;
    void Command2_Click();  // "Exit"
    void Command3_Click();  // "Sit Out"

    // The hand cycle.
    void first_game();
    void blinds_bet();
    void Command1_Click();  // the end-of-hand signal: the next-hand timer starts
    void Timer1_Timer();
    void new_deal();

    // Cards, the deal and the board.
    void dealfirst();
    std::string convert2card(const std::int16_t& temp) const;
    void distribute_cards_for_10();
    void evaluate_player_cards();
    void show_hole_cards();
    void clear_table();
    void toss();
    void show_flop1();
    void show_flop2();
    void show_flop3();
    void next_dealer();

    // The simulated field.
    std::int32_t eliminate_players();
    std::string random_name_word();

    // Services of the betting that the hand cycle needs (src/betting).
    void Command4_Click();  // the turn clock starts
    void zero_total_bets();
    void bet_panel_hide();
    void chips_player_show(std::int32_t chipbet, std::int16_t whichplayer);
    void chips_player_hide(std::int16_t whichplayer);
    void chips_to_pot(std::int16_t whichlevel);
    void pot_to_winner(std::int16_t one);

    // The stack label rule: the seat's stack label shows its stack, or
    // "All in" (and the seat is all in) below 1 chip.
    void show_stack(int seat);

    // The turn clock and the limits schedule (src/betting).
    void roundtimer_Timer();
    void raise_limits();

    // Street accounting, with the acting seat s.
    enum class BetForm { Action, Blind };
    std::int32_t amount_owed(int s) const;
    void pay_bet(int s, BetForm form = BetForm::Action);
    void count_raise(int s);
    void close_without_raise(int s);
    void street_end_check(int s);
    void note_turn(int s);
    void start_orbit();

    // Seats' turns. The nine computer seats' focus handlers
    // (Picture3_GotFocus to Picture11_GotFocus) are computer_player_turn.
    void Picture2_GotFocus();
    void Picture2_LostFocus();
    void Command5_GotFocus();
    void Command5_LostFocus();
    void computer_player_turn(int s);
    void folder_value();
    void computer_player_decide(int s);
    void win_by_folds(int s);
    void light_seat(int s, bool lit);
    bool opponents_all_folded(int s) const;
    bool another_can_act(int s) const;
    bool opponents_left() const;

    // The user's actions on the bet panel.
    void Command5_Click();   // "Call"
    void Command6_Click();   // "Raise"
    void Command7_Click();   // "Check"
    void Command8_Click();   // "Fold"
    void Command11_Click();  // "Bet It"
    void Text2_KeyPress(int& KeyAscii);
    // Command6_LostFocus, Command7_LostFocus and Command8_LostFocus alike.
    void action_lost_focus();

    // The showdown and the end of the tournament.
    void evaluate_winner();
    void show_win_message();
    std::int16_t players_still_in() const;

    TableState state;
    FieldCounters field;  // lives as long as the run: the window is loaded once

private:
    // Every control by kind and number, built in drawing order before the
    // named members below refer into it.
    struct Design {
        ControlArray<plat::PictureBox, 37> picture;    // Picture2 to Picture36
        ControlArray<plat::Label, 25> label;           // Label1 to Label24
        ControlArray<plat::Shape, 14> shape;           // Shape1 to Shape13
        ControlArray<plat::CommandButton, 12> command; // Command1 to Command8, Command11
        ControlArray<plat::Label, 11> chiplabel;       // chiplabel1 to chiplabel10
        ControlArray<plat::Shape, 91> backchips;
        plat::Label* potlabel = nullptr;
        plat::Label* winnerlabel = nullptr;
        plat::Label* limitslabel = nullptr;
        plat::Label* limitsdisplay = nullptr;
        plat::TextBox* Text2 = nullptr;
        plat::Timer* Timer1 = nullptr;
        plat::Timer* roundtimer = nullptr;
    };
    Design build();
    Design design_;

public:
    // Seats' turn controls, hole cards and the board.
    plat::PictureBox &Picture2{design_.picture[2]}, &Picture3{design_.picture[3]}, &Picture4{design_.picture[4]},
        &Picture5{design_.picture[5]}, &Picture6{design_.picture[6]}, &Picture7{design_.picture[7]},
        &Picture8{design_.picture[8]}, &Picture9{design_.picture[9]}, &Picture10{design_.picture[10]},
        &Picture11{design_.picture[11]}, &Picture12{design_.picture[12]}, &Picture13{design_.picture[13]},
        &Picture14{design_.picture[14]}, &Picture15{design_.picture[15]}, &Picture16{design_.picture[16]},
        &Picture17{design_.picture[17]}, &Picture18{design_.picture[18]}, &Picture19{design_.picture[19]},
        &Picture20{design_.picture[20]}, &Picture21{design_.picture[21]}, &Picture22{design_.picture[22]},
        &Picture23{design_.picture[23]}, &Picture24{design_.picture[24]}, &Picture25{design_.picture[25]},
        &Picture26{design_.picture[26]}, &Picture27{design_.picture[27]}, &Picture28{design_.picture[28]},
        &Picture29{design_.picture[29]}, &Picture30{design_.picture[30]}, &Picture31{design_.picture[31]},
        &Picture32{design_.picture[32]}, &Picture33{design_.picture[33]}, &Picture34{design_.picture[34]},
        &Picture35{design_.picture[35]}, &Picture36{design_.picture[36]};

    // Label1 the dealer button, Label2 the players remaining, Label3 to
    // Label12 the names, Label13 to Label22 the stacks, Label23 the
    // classification's answer channel (never shown), Label24 the messages.
    plat::Label &Label1{design_.label[1]}, &Label2{design_.label[2]}, &Label3{design_.label[3]},
        &Label4{design_.label[4]}, &Label5{design_.label[5]}, &Label6{design_.label[6]}, &Label7{design_.label[7]},
        &Label8{design_.label[8]}, &Label9{design_.label[9]}, &Label10{design_.label[10]},
        &Label11{design_.label[11]}, &Label12{design_.label[12]}, &Label13{design_.label[13]},
        &Label14{design_.label[14]}, &Label15{design_.label[15]}, &Label16{design_.label[16]},
        &Label17{design_.label[17]}, &Label18{design_.label[18]}, &Label19{design_.label[19]},
        &Label20{design_.label[20]}, &Label21{design_.label[21]}, &Label22{design_.label[22]},
        &Label23{design_.label[23]}, &Label24{design_.label[24]};
    plat::Label &potlabel{*design_.potlabel}, &winnerlabel{*design_.winnerlabel},
        &limitslabel{*design_.limitslabel}, &limitsdisplay{*design_.limitsdisplay};
    plat::Label &chiplabel1{design_.chiplabel[1]}, &chiplabel2{design_.chiplabel[2]},
        &chiplabel3{design_.chiplabel[3]}, &chiplabel4{design_.chiplabel[4]}, &chiplabel5{design_.chiplabel[5]},
        &chiplabel6{design_.chiplabel[6]}, &chiplabel7{design_.chiplabel[7]}, &chiplabel8{design_.chiplabel[8]},
        &chiplabel9{design_.chiplabel[9]}, &chiplabel10{design_.chiplabel[10]};

    // Shape1 the table top, Shape2 to Shape11 the seats' frames, Shape12 the
    // bet panel's frame, Shape13 the backdrop of the limits lines.
    plat::Shape &Shape1{design_.shape[1]}, &Shape2{design_.shape[2]}, &Shape3{design_.shape[3]},
        &Shape4{design_.shape[4]}, &Shape5{design_.shape[5]}, &Shape6{design_.shape[6]}, &Shape7{design_.shape[7]},
        &Shape8{design_.shape[8]}, &Shape9{design_.shape[9]}, &Shape10{design_.shape[10]},
        &Shape11{design_.shape[11]}, &Shape12{design_.shape[12]}, &Shape13{design_.shape[13]};
    ControlArray<plat::Shape, 91> backchips{design_.backchips};

    // Command1 and Command4 are hidden: only their click handlers are used.
    plat::CommandButton &Command1{design_.command[1]}, &Command2{design_.command[2]},
        &Command3{design_.command[3]}, &Command4{design_.command[4]}, &Command5{design_.command[5]},
        &Command6{design_.command[6]}, &Command7{design_.command[7]}, &Command8{design_.command[8]},
        &Command11{design_.command[11]};
    plat::TextBox& Text2{*design_.Text2};

    plat::Timer& Timer1{*design_.Timer1};          // next hand, 13000 ms
    plat::Timer& roundtimer{*design_.roundtimer};  // turn clock, 2000 ms
    plat::PictureClip PictureClip1{4, 18};         // the card sheet

    // Each seat's controls by seat number 1 to 10, from the seat map.
    SeatControls<plat::PictureBox> turnPicture;
    SeatControls<plat::PictureBox> firstCard;
    SeatControls<plat::PictureBox> secondCard;
    SeatControls<plat::Label> nameLabel;
    SeatControls<plat::Label> stackLabel;
    SeatControls<plat::Label> betLabel;
    SeatControls<plat::Shape> outline;

private:
    void connect_betting();
    std::array<plat::Control*, 7> bet_panel() const;
    void set_bet_panel(bool shown);
    // One of the bet panel's controls, shown: the panel is open.
    bool on_open_bet_panel(const plat::Control* c) const;
    void mark_others_folded();
    void end_call_or_check();
    void hand_on_from_user();
    bool typed_amount_accepted() const;
    void bet_typed_amount();
    void pay_winners();
    void reveal_hands();
    // Turns taken on the current street, for a street that nobody closes.
    struct Orbit {
        int street = -1;
        int turns = 0;
        int lastSeat = 0;
    } orbit_;

    settings& welcome() const;
    void place_button(int seat);
    void show_board_card(plat::PictureBox& picture, int deckEntry);
    void sweep_street(std::int16_t level);
    void run_field_steps();
    void reseat(int seat, std::int32_t stack);
    void count_out();
    void take_antes();
    void seat_the_players();
};

}  // namespace kestrin

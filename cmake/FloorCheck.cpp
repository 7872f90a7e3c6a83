// Linked with every object of one floor and only the floors beneath it: the
// link fails when the floor calls anything above it.
int main()
{
    return 0;
}
